#include "formula/formula_messages.h"
#include "platform/notices.h"


std::string FormulaMessageText(TextId id, std::string_view p1, std::string_view p2, std::string_view p3) {
  const std::string_view pattern = Text(id);
  std::string out;
  out.reserve(pattern.size() + p1.size() + p2.size() + p3.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '3') {
      const char which = pattern[i + 1];
      out.append(which == '1' ? p1 : which == '2' ? p2 : p3);
      ++i;
    } else {
      out.push_back(pattern[i]);
    }
  }
  return out;
}

void ShowFormulaMessage(TextId caption, TextId id, std::string_view p1, std::string_view p2, std::string_view p3) {
  ReportNotice(Text(caption), FormulaMessageText(id, p1, p2, p3));
}
