// Code pages of files. Texts inside the program are UTF-8; a file that is
// not valid UTF-8 is read as GB18030 in Chinese mode and as Windows-1252 in
// English mode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view bytes);

// Convert bytes from `codepage` (an iconv name) to UTF-8; bytes that do not
// convert become U+FFFD. Returns false when the code page is unknown.
bool ConvertToUtf8(std::string_view bytes, const char* codepage, std::string* out);

// The text of a file's bytes as UTF-8: unchanged when valid UTF-8 (a UTF-8
// byte-order mark is dropped), else converted from the legacy code page of
// the language.
std::string FileTextToUtf8(std::string_view bytes, bool chinese);

// A conversion to UTF-8 fed in pieces: a character cut by the end of one
// piece is completed by the next. Bytes that do not convert become U+FFFD
// (a whole unit of `unitBytes` at a time, so a UTF-16 text stays in step).
class Utf8Converter {
 public:
  Utf8Converter(const char* codepage, std::size_t unitBytes);
  ~Utf8Converter();
  Utf8Converter(const Utf8Converter&) = delete;
  Utf8Converter& operator=(const Utf8Converter&) = delete;

  // False when the code page is unknown.
  bool Ok() const;
  // Convert the next bytes and append them to *out. With `last`, an
  // incomplete character at the end becomes U+FFFD.
  void Convert(std::string_view bytes, bool last, std::string* out);

 private:
  void* pState_;
  std::size_t iUnit_;
  std::string pending_;  // the start of a character cut by the last piece
};
