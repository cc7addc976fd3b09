// Bounded text helpers for the fixed-size, zero-terminated byte arrays that
// records keep. Every copy is cut to the capacity and always terminated; a
// cut never splits a UTF-8 sequence.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Length of a cut of `text` to at most `limit` bytes that ends on a UTF-8
// character boundary.
std::size_t TextCutLength(std::string_view text, std::size_t limit);

// Copy `src` into the buffer `dst` of `cap` bytes (cap >= 1), cut and
// terminated. Returns the number of bytes copied.
std::size_t TextCopyTo(char* dst, std::size_t cap, std::string_view src);

// Append `src` to the zero-terminated text in `dst` of `cap` bytes.
std::size_t TextAppendTo(char* dst, std::size_t cap, std::string_view src);

// Length of the zero-terminated text in a buffer of `cap` bytes, never
// reading past the buffer.
inline std::size_t TextLength(const char* src, std::size_t cap) {
  const void* end = std::memchr(src, 0, cap);
  return end ? static_cast<std::size_t>(static_cast<const char*>(end) - src) : cap;
}

template <std::size_t N>
std::size_t CopyText(std::array<char, N>& dst, std::string_view src) {
  return TextCopyTo(dst.data(), N, src);
}

template <std::size_t N>
std::size_t AppendText(std::array<char, N>& dst, std::string_view src) {
  return TextAppendTo(dst.data(), N, src);
}

template <std::size_t N>
std::string_view TextOf(const std::array<char, N>& src) {
  return std::string_view(src.data(), TextLength(src.data(), N));
}

template <std::size_t N>
bool TextIsEmpty(const std::array<char, N>& src) {
  return src[0] == '\0';
}

template <std::size_t N>
void ClearText(std::array<char, N>& dst) {
  dst[0] = '\0';
}

// Concatenate pieces into a std::string (for building message texts).
template <typename... Parts>
std::string JoinText(const Parts&... parts) {
  std::string out;
  (out.append(std::string_view(parts)), ...);
  return out;
}
