// The formula parser. A formula is kept only as text and parsed again at
// every evaluation by rewriting the text in five stages: function calls,
// bracketed groups, arithmetic, comparisons, and the argument list of the
// operation about to be evaluated. In check mode the same stages validate
// a formula, splicing in placeholder references instead of values.
#pragma once

#include <string>
#include <string_view>

#include "formula/formula_text.h"
#include "platform/window.h"
#include "table/table_record.h"

enum FormulaMode : int {
  FORMULA_EVALUATE = 0,
  FORMULA_CHECK = 1,
};

// Stages of the parser.
enum FormulaStage : int {
  STAGE_CALLS = 0,
  STAGE_GROUPS = 1,
  STAGE_ARITHMETIC = 2,
  STAGE_COMPARISONS = 3,
  STAGE_ARGUMENTS = 4,
};

// Run the stages from `stage` to the last over a blank-free copy of `text`
// and hand the rewritten text back in `out`. `context` names the function
// or operator whose operands are processed (empty for a whole formula).
// 0, or -1 after the failure was reported: in evaluate mode an "Err" text
// in the current formula's target, in check mode a message. Without a
// window nothing is recalculated when an error text is stored.
int FormulaProcess(TableDocument& t, WindowHandle hwnd, std::string_view text, int stage, int mode,
                   std::string_view context, FormulaWorkText& out);

// Check a formula before it is stored. On success the text becomes its
// blank-free form with the quoted condition masked by 'X', and the
// record's szQuotedText holds the condition. -1 after a message.
int FormulaCheck(TableDocument& t, WindowHandle hwnd, std::string& text);

// Evaluate a whole formula as the registry does: stages from the first,
// then a single reference becomes the referenced cell's text. The result
// is a number, a matrix marker, or a cell's text. 0, or -1 after the
// failure was reported.
int FormulaEvaluate(TableDocument& t, WindowHandle hwnd, std::string_view text, FormulaResultText& result);
