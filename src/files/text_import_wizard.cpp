#include "files/text_import_wizard.h"

#include "resources/string_table.h"
#include "shell/program_state.h"
#include "shell/services.h"

int WizardDelimiterByte(const TextImportWizardModel& model) {
  switch (model.iDelimiter) {
    case WIZARD_TAB: return '\t';
    case WIZARD_SEMICOLON: return ';';
    case WIZARD_COMMA: return ',';
    case WIZARD_SPACE: return ' ';
    default: break;
  }
  if (model.szOther.empty()) return ' ';
  const unsigned char first = static_cast<unsigned char>(model.szOther[0]);
  return first < 0x80 && first != '\r' && first != '\n' && first != '\0' ? first : -1;
}

int TextImportWizardRun(WindowHandle owner, std::string_view preview) {
  TextImportWizardModel model;
  model.szPreview = std::string(preview);
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = owner;
  request.szName = TEXT_IMPORT_WIZARD;
  request.pModel = &model;
  if (RunDialog(request) != BUTTON_OK) return 0;
  const int delimiter = WizardDelimiterByte(model);
  if (delimiter < 0) {
    ShowMessage(Text(TXT_WIZARD_TITLE), Text(TXT_IMPORT_DELIMITER_ASCII));
    return 0;
  }
  ProgramState& program = Program();
  program.cImportDelimiter = static_cast<char>(delimiter);
  program.bMergeDelimiters = model.bMerge ? 1 : 0;
  return 1;
}
