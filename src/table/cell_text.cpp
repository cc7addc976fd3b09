#include "table/cell_text.h"

#include "platform/text_buffer.h"

int CellNumberForm(std::string_view text) {
  int exponents = 0;
  std::size_t position = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == 'e' || c == 'E') {
      ++exponents;
      position = i;
      continue;
    }
    if (c < '+' || c > '9' || c == ',' || c == '/') return -1;
  }
  if (exponents >= 2) return -1;
  if (exponents == 0) return 0;
  if (text.size() == 1) return -1;
  if (position == 0 || position == text.size() - 1) return -1;
  const char before = text[position - 1];
  if (before < '0' || before > '9') return -1;
  const char after = text[position + 1];
  return (after == '+' || after == '-' || (after >= '0' && after <= '9')) ? 1 : -1;
}

int CellIsText(std::string_view text) { return CellIsText(text, CellNumberForm(text)); }

int CellIsText(std::string_view text, int form) {
  if (form == -1) return 1;
  if (form == 1) return 0;
  for (char c : text) {
    if (c < '-' || c > '9' || c == '/') return 1;
  }
  return 0;
}

namespace {

// Upper-case ASCII letters and the Latin-1 letters of UTF-8 texts; Chinese
// has no case, so this covers the program's two languages.
void UpperCase(std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 'a' && c <= 'z') {
      text[i] = static_cast<char>(c - 'a' + 'A');
    } else if (c == 0xC3 && i + 1 < text.size()) {
      // U+00E0..U+00FE (but not U+00F7, the division sign) map down by 0x20.
      const unsigned char next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0xA0 && next <= 0xBE && next != 0xB7) text[i + 1] = static_cast<char>(next - 0x20);
      ++i;
    }
  }
}

}  // namespace

bool CellInputIsNormal(std::string_view text) {
  if (text.empty()) return true;
  return text.size() <= NORMALIZE_LIMIT && text.front() != ' ' && text.front() != '.' && text.back() != ' ';
}

int NormalizeCellInput(std::string& text, char mode) {
  if (text.size() > NORMALIZE_LIMIT) text.resize(TextCutLength(text, NORMALIZE_LIMIT));
  if (!text.empty() && text[0] == ' ') {
    std::erase(text, ' ');
  }
  if (!text.empty() && text[0] == '.' && CellIsText(text) == 0) {
    if (text.size() >= NORMALIZE_LIMIT) text.pop_back();
    text.insert(text.begin(), '0');
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (mode == 'U') UpperCase(text);
  return static_cast<int>(text.size());
}
