#include "files/base64.h"

#include <array>
#include <cstdint>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineChars = 72;

// Value of each byte in the alphabet ('=' is 0), or -1 outside it.
constexpr std::array<std::int8_t, 256> DecodeTable() {
  std::array<std::int8_t, 256> table{};
  for (auto& v : table) v = -1;
  for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
  table[static_cast<unsigned char>('=')] = 0;
  return table;
}

constexpr std::array<std::int8_t, 256> kDecode = DecodeTable();

// Append one output character, breaking the line after every 72.
void Put(std::string& out, std::size_t& column, char c) {
  out.push_back(c);
  if (++column == kLineChars) {
    out.push_back('\n');
    column = 0;
  }
}

}  // namespace

std::string Base64Encode(std::string_view bytes) {
  std::string out;
  const std::size_t chars = (bytes.size() + 2) / 3 * 4;
  out.reserve(chars + chars / kLineChars + 1);
  std::size_t column = 0;
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t v = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                            static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                            static_cast<unsigned char>(bytes[i + 2]);
    Put(out, column, kAlphabet[(v >> 18) & 63]);
    Put(out, column, kAlphabet[(v >> 12) & 63]);
    Put(out, column, kAlphabet[(v >> 6) & 63]);
    Put(out, column, kAlphabet[v & 63]);
  }
  const std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    std::uint32_t v = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (rest == 2) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    Put(out, column, kAlphabet[(v >> 18) & 63]);
    Put(out, column, kAlphabet[(v >> 12) & 63]);
    Put(out, column, rest == 2 ? kAlphabet[(v >> 6) & 63] : '=');
    Put(out, column, '=');
  }
  if (column > 0) out.push_back('\n');
  return out;
}

int Base64Decode(std::string_view text, std::string* out) {
  out->clear();
  out->reserve(text.size() / 4 * 3);
  std::uint32_t group = 0;
  int filled = 0;
  std::size_t chars = 0;    // alphabet characters read
  std::size_t padding = 0;  // '=' characters at the end of the input so far
  for (const char c : text) {
    const int value = kDecode[static_cast<unsigned char>(c)];
    if (value < 0) continue;
    ++chars;
    padding = c == '=' ? padding + 1 : 0;
    group = group << 6 | static_cast<std::uint32_t>(value);
    if (++filled == 4) {
      out->push_back(static_cast<char>(group >> 16 & 0xFF));
      out->push_back(static_cast<char>(group >> 8 & 0xFF));
      out->push_back(static_cast<char>(group & 0xFF));
      group = 0;
      filled = 0;
    }
  }
  if (filled != 0) {
    out->clear();
    return -1;
  }
  // Trailing '=' carry no data: keep the whole bytes that the other
  // characters' 6 bits each make up ("QQ==" is one byte, "QUI=" two).
  out->resize((chars - padding) * 6 / 8);
  return 0;
}
