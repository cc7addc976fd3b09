#include "files/text_import_wizard.h"

#include "platform/message_box.h"
#include "resources/string_table.h"

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

int TextImportWizardRun(WindowHandle owner, std::string_view preview, char* delimiter, bool* merge) {
  TextImportWizardModel model;
  model.szPreview = std::string(preview);
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = owner;
  request.szName = TEXT_IMPORT_WIZARD;
  request.pModel = &model;
  if (RunDialog(request) != BUTTON_OK) return 0;
  const int chosen = WizardDelimiterByte(model);
  if (chosen < 0) {
    ShowMessage(Text(TXT_WIZARD_TITLE), Text(TXT_IMPORT_DELIMITER_ASCII));
    return 0;
  }
  *delimiter = static_cast<char>(chosen);
  *merge = model.bMerge != 0;
  return 1;
}
