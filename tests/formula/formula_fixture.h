// Test support for the formula engine: a new table record, one formula
// slot standing for the formula under test, and helpers that evaluate or
// check a formula text the way the registry does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "formula/formula_parse.h"
#include "formula/formula_result.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "support/dialog_script_guard.h"
#include "support/fresh_table.h"

// A message box a formula operation showed.
struct ShownMessage {
  std::string caption;
  std::string text;
};

class FormulaTest : public ::testing::Test {
 protected:
  static constexpr int kTargetRow = 40;
  static constexpr int kTargetCol = 40;

  void SetUp() override {
    ASSERT_TRUE(t.ok());
    UseFormulaSlot(-1);
  }

  // Put a text into cell (row, col).
  void Cell(int row, int col, std::string_view text) { ASSERT_EQ(t.Store(row, col, text), 0); }

  // Make slot 0 the current formula, with its target at (kTargetRow,
  // kTargetCol) and `decimals` places (-1 full precision).
  void UseFormulaSlot(int decimals) {
    FormulaSlot& slot = t->formulaSlots[0];
    slot.iTargetRow = kTargetRow;
    slot.iTargetCol = kTargetCol;
    slot.iDecimals = decimals;
    slot.iState = FORMULA_RUN;
    t->iCurrentFormula = 0;
  }

  // Evaluate a formula as the registry does: its condition kept with the
  // slot, then the stages. The result text, or after a failure the text
  // the target shows (the error text).
  std::string Eval(std::string_view formula) {
    FormulaSlot& slot = t->formulaSlots[0];
    ClearText(slot.szCondition);
    const std::size_t open = formula.find('"');
    if (open != std::string_view::npos) {
      const std::size_t close = formula.find('"', open + 1);
      if (close != std::string_view::npos) CopyText(slot.szCondition, formula.substr(open + 1, close - open - 1));
    }
    t.Store(kTargetRow, kTargetCol, "");
    FormulaResultText result;
    if (FormulaEvaluate(*t, WindowHandle::None, formula, result) == 0) {
      lastStatus_ = 0;
      return std::string(result.view());
    }
    lastStatus_ = -1;
    return t.Shown(kTargetRow, kTargetCol);
  }
  int LastStatus() const { return lastStatus_; }

  // The messages shown since the last call; they were expected, so they
  // are not reported as unexpected dialogs.
  std::vector<ShownMessage> TakeMessages() {
    std::vector<ShownMessage> out;
    const auto& shown = DialogScriptShown();
    for (std::size_t i = seen_; i < shown.size(); ++i) out.push_back({shown[i].szCaption, shown[i].szText});
    seen_ = shown.size();
    DialogScriptTakeFailures();
    return out;
  }

  // Run the check; its status, and the one message it showed (if any).
  int Check(std::string& formula, ShownMessage* message) {
    TakeMessages();
    const int status = FormulaCheck(*t, WindowHandle::None, formula);
    const std::vector<ShownMessage> messages = TakeMessages();
    EXPECT_LE(messages.size(), 1u) << formula;
    *message = messages.empty() ? ShownMessage{} : messages.front();
    return status;
  }

  DialogScriptGuard dialogs;
  FreshTable t;

 private:
  int lastStatus_ = 0;
  std::size_t seen_ = 0;
};
