#include "platform/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    std::size_t len = 0;
    unsigned min = 0;
    unsigned cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      len = 2; min = 0x80; cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3; min = 0x800; cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4; min = 0x10000; cp = c & 0x07;
    } else {
      return false;
    }
    if (i + len > n) return false;
    for (std::size_t k = 1; k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(bytes[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
  }
  return true;
}

bool ConvertToUtf8(std::string_view bytes, const char* codepage, std::string* out) {
  Utf8Converter converter(codepage, 1);
  if (!converter.Ok()) return false;
  out->clear();
  out->reserve(bytes.size() * 2);
  converter.Convert(bytes, true, out);
  return true;
}

std::string FileTextToUtf8(std::string_view bytes, bool chinese) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  if (!ConvertToUtf8(bytes, chinese ? "GB18030" : "WINDOWS-1252", &out)) {
    return std::string(bytes);
  }
  return out;
}

Utf8Converter::Utf8Converter(const char* codepage, std::size_t unitBytes)
    : pState_(iconv_open("UTF-8", codepage)), iUnit_(unitBytes == 0 ? 1 : unitBytes) {}

Utf8Converter::~Utf8Converter() {
  if (Ok()) iconv_close(static_cast<iconv_t>(pState_));
}

bool Utf8Converter::Ok() const { return pState_ != reinterpret_cast<void*>(-1); }

void Utf8Converter::Convert(std::string_view bytes, bool last, std::string* out) {
  if (!Ok()) return;
  const auto cd = static_cast<iconv_t>(pState_);
  // The bytes left from the last piece go first (iconv does not write to
  // its input).
  std::string joined;
  if (!pending_.empty()) {
    joined = pending_;
    joined.append(bytes);
    bytes = joined;
    pending_.clear();
  }
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char buf[4096];
  while (inLeft > 0) {
    char* dst = buf;
    std::size_t dstLeft = sizeof buf;
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
    out->append(buf, static_cast<std::size_t>(dst - buf));
    if (rc != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (errno == EINVAL && !last) {
      // A character cut by the end of this piece: the next completes it.
      pending_.assign(in, inLeft);
      return;
    }
    out->append("\xEF\xBF\xBD");
    const std::size_t skip = std::min(iUnit_, inLeft);
    in += skip;
    inLeft -= skip;
  }
  if (last) iconv(cd, nullptr, nullptr, nullptr, nullptr);
}
