#include "files/text_import_wizard.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "files/text_bytes.h"
#include "platform/notices.h"
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

namespace {

// How consistently a syntax splits the lines of a head: the number of
// lines that share the most common field count above one.
int SplitScore(std::string_view head, const TextSyntax& syntax) {
  std::map<std::int64_t, int> lines;  // field count -> lines
  while (!head.empty()) {
    const std::size_t end = std::min(head.find_first_of("\r\n"), head.size());
    if (end > 0) {
      TextCount count;
      CountTextBytes(count, head.data(), end, syntax);
      CountTextEnd(count);
      if (count.iMaxFields > 1) ++lines[count.iMaxFields];
    }
    head.remove_prefix(std::min(end + 1, head.size()));
  }
  int best = 0;
  for (const auto& [fields, n] : lines) best = std::max(best, n);
  return best;
}

}  // namespace

void WizardPreselect(TextImportWizardModel& model, std::string_view head) {
  static constexpr struct {
    int iChoice;
    char cDelimiter;
  } kCandidates[] = {{WIZARD_TAB, '\t'}, {WIZARD_SEMICOLON, ';'}, {WIZARD_COMMA, ','}, {WIZARD_SPACE, ' '}};
  int best = WIZARD_TAB;
  int bestScore = 0;
  for (const auto& candidate : kCandidates) {
    TextSyntax syntax;
    syntax.cDelimiter = candidate.cDelimiter;
    syntax.bMerge = candidate.iChoice == WIZARD_SPACE;
    const int score = SplitScore(head, syntax);
    if (score > bestScore) {
      best = candidate.iChoice;
      bestScore = score;
    }
  }
  model.iDelimiter = best;
  model.bMerge = best == WIZARD_SPACE ? 1 : 0;
}

int TextImportWizardRun(WindowHandle owner, std::string_view preview, char* delimiter, bool* merge) {
  TextImportWizardModel model;
  model.szPreview = std::string(preview);
  WizardPreselect(model, preview);
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = owner;
  request.szName = TEXT_IMPORT_WIZARD;
  request.pModel = &model;
  if (RunDialog(request) != BUTTON_OK) return 0;
  const int chosen = WizardDelimiterByte(model);
  if (chosen < 0) {
    ReportNotice(Text(TXT_WIZARD_TITLE), Text(TXT_IMPORT_DELIMITER_ASCII));
    return 0;
  }
  *delimiter = static_cast<char>(chosen);
  *merge = model.bMerge != 0;
  return 1;
}
