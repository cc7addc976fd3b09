// What a stock history import reads: the name and date fields of a record
// and the value to pivot (one field, or the difference of two), chosen in
// the "Stock Data Import Wizard".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/text_bytes.h"
#include "platform/dialogs.h"
#include "platform/window.h"

inline constexpr const char* STOCK_WIZARD = "Stock Data Import Wizard";

enum StockMode : int {
  STOCK_ONE_FIELD = 111,   // the value is one field's text
  STOCK_DIFFERENCE = 222,  // the value is the first field minus the second
};

// Field numbers count from 1; 0 is "not chosen".
struct StockOptions {
  int iNameField = 0;
  int iDateField = 0;
  int iMode = STOCK_ONE_FIELD;
  int iDataField = 0;
  int iFirstField = 0;
  int iSecondField = 0;
};

// The state of the wizard.
class StockWizardModel final : public DialogModel {
 public:
  std::string szPreview;           // the head of the file (UTF-8)
  std::vector<std::string> fields; // the drop-down entries: "1) " + text, ...
  StockOptions options;
};

// The drop-down entries for the first line of a file: "1) " + its first
// field, "2) " + the second, ... up to the first empty field.
std::vector<std::string> StockFieldEntries(std::string_view firstLine, const TextSyntax& syntax);

// OK of the wizard: 0 when the choice can be read; -1 after naming what is
// missing or chosen twice.
int StockWizardAccept(const StockOptions& options);

// Show the wizard for a file's head until it is accepted. 0 with *options
// set, -1 when cancelled.
int StockWizardRun(WindowHandle owner, std::string_view head, const TextSyntax& syntax, StockOptions* options);
