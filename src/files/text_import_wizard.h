// The "Text Import Wizard": the delimiter of a text without TABs, chosen
// while the head of the file is shown.
#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/window.h"

inline constexpr const char* TEXT_IMPORT_WIZARD = "Text Import Wizard";

enum WizardDelimiter : int {
  WIZARD_TAB = 0,
  WIZARD_SEMICOLON = 1,
  WIZARD_COMMA = 2,
  WIZARD_SPACE = 3,
  WIZARD_OTHER = 4,
};

class TextImportWizardModel final : public DialogModel {
 public:
  int iDelimiter = WIZARD_TAB;
  std::string szOther;     // the "Other" box: two characters, the first is used
  int bMerge = 1;          // "Treat consecutive delimiters as one"
  std::string szPreview;   // the head of the file (UTF-8)
};

// The delimiter byte a model stands for: TAB, ';', ',', space, or the
// first character of the Other box (space when it is empty). -1 when that
// character is not a single byte.
int WizardDelimiterByte(const TextImportWizardModel& model);

// The choice the wizard starts with: of Tab, Semicolon, Comma and Space,
// the delimiter that splits the most lines of the head into the same
// number (above one) of fields, the earlier one on a tie and Tab when none
// splits; runs merged only for Space.
void WizardPreselect(TextImportWizardModel& model, std::string_view head);

// Show the wizard over the head of a file. On OK the chosen delimiter byte
// and whether runs of it count as one are returned through `delimiter` and
// `merge`, and 1 is returned; 0 when cancelled (or refused, after a message).
int TextImportWizardRun(WindowHandle owner, std::string_view preview, char* delimiter, bool* merge);
