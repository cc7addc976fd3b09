#include "sources/stock_options.h"

#include <algorithm>

#include "files/text_import.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/source_import.h"
#include "sources/source_lines.h"

namespace {

// Tell that a choice is missing or clashes: the labels under "Error message".
int Refuse(std::string_view text) {
  ShowMessage(Text(TXT_CAPTION_ERROR), text);
  return -1;
}

// Two labels joined by " or ".
std::string Either(TextId a, TextId b) { return JoinText(Text(a), Text(TXT_STOCK_OR), Text(b)); }

}  // namespace

std::vector<std::string> StockFieldEntries(std::string_view firstLine, const TextSyntax& syntax) {
  std::vector<std::string> entries;
  std::string scratch;
  std::size_t pos = 0;
  while (pos != std::string_view::npos) {
    std::size_t next = 0;
    const std::string_view field = NormalizeField(NextField(firstLine, pos, syntax, &next), scratch);
    if (field.empty()) break;
    entries.push_back(JoinText(FormatInt(static_cast<long long>(entries.size()) + 1), ") ", field));
    pos = next;
  }
  return entries;
}

int StockWizardAccept(const StockOptions& o) {
  const bool one = o.iMode != STOCK_DIFFERENCE;
  const TextId dataLabel = one ? TXT_STOCK_SELECT : TXT_STOCK_DIFFERENCE;
  if (o.iNameField <= 0) return Refuse(Text(TXT_STOCK_NAME));
  if (o.iDateField <= 0) return Refuse(Text(TXT_STOCK_DATE));
  if (one ? o.iDataField <= 0 : (o.iFirstField <= 0 || o.iSecondField <= 0)) return Refuse(Text(dataLabel));
  if (o.iNameField == o.iDateField) return Refuse(Either(TXT_STOCK_NAME, TXT_STOCK_DATE));
  for (const int field : one ? std::vector<int>{o.iDataField} : std::vector<int>{o.iFirstField, o.iSecondField}) {
    if (field == o.iNameField) return Refuse(Either(dataLabel, TXT_STOCK_NAME));
    if (field == o.iDateField) return Refuse(Either(dataLabel, TXT_STOCK_DATE));
  }
  if (!one && o.iFirstField == o.iSecondField) return Refuse(Text(TXT_STOCK_DIFFERENCE));
  return 0;
}

int StockWizardRun(WindowHandle owner, std::string_view head, const TextSyntax& syntax, StockOptions* options) {
  StockWizardModel model;
  std::size_t previewLength = 0;
  SniffTabs(head.data(), head.size(), &previewLength);
  model.szPreview = TextImportPreview(head.substr(0, previewLength));
  const std::string_view text = head.substr(static_cast<std::size_t>(SourceTextStart(head)));
  model.fields = StockFieldEntries(text.substr(0, std::min(text.find_first_of("\r\n"), text.size())), syntax);
  while (RunCustomDialog(owner, STOCK_WIZARD, &model) == BUTTON_OK) {
    if (StockWizardAccept(model.options) != 0) continue;
    *options = model.options;
    return 0;
  }
  return -1;
}
