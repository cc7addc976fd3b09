// Fixed-capacity texts for the formula engine. A formula is rewritten in
// place many times per evaluation; these buffers live on the stack or in
// the table record, so evaluation never allocates. Every change is bounded:
// an edit that would not fit leaves the text unchanged and returns false.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// Characters a formula as entered may have (a 1000-byte field).
inline constexpr std::size_t FORMULA_INPUT_CHARS = 999;
// Characters a working copy inside the stages may grow to.
inline constexpr std::size_t FORMULA_WORK_CHARS = 3000;
// Characters of a result or error text handed between the stages.
inline constexpr std::size_t FORMULA_RESULT_CHARS = 1040;

template <std::size_t N>
class FixedText {
 public:
  FixedText() { buf_[0] = '\0'; }
  explicit FixedText(std::string_view text) { Assign(text); }

  static constexpr std::size_t capacity() { return N; }
  std::size_t size() const { return len_; }
  bool empty() const { return len_ == 0; }
  const char* c_str() const { return buf_; }
  char* data() { return buf_; }
  std::string_view view() const { return std::string_view(buf_, len_); }
  operator std::string_view() const { return view(); }
  char operator[](std::size_t i) const { return i < len_ ? buf_[i] : '\0'; }
  void Set(std::size_t i, char c) {
    if (i < len_) buf_[i] = c;
  }

  void Clear() {
    len_ = 0;
    buf_[0] = '\0';
  }
  bool Assign(std::string_view text) {
    if (text.size() > N) return false;
    if (!text.empty()) std::memmove(buf_, text.data(), text.size());
    len_ = text.size();
    buf_[len_] = '\0';
    return true;
  }
  bool Append(std::string_view text) {
    if (text.size() > N - len_) return false;
    if (!text.empty()) std::memmove(buf_ + len_, text.data(), text.size());
    len_ += text.size();
    buf_[len_] = '\0';
    return true;
  }
  bool Append(char c) { return Append(std::string_view(&c, 1)); }
  // Append as much as fits (for message and error texts, which may be cut).
  void AppendCut(std::string_view text) {
    const std::size_t n = text.size() < N - len_ ? text.size() : N - len_;
    Append(text.substr(0, n));
  }
  // Replace `count` characters at `pos` by `text`.
  bool Replace(std::size_t pos, std::size_t count, std::string_view text) {
    if (pos > len_) return false;
    if (count > len_ - pos) count = len_ - pos;
    const std::size_t newLen = len_ - count + text.size();
    if (newLen > N) return false;
    // `text` may point into this buffer: keep a copy of it when it does.
    char copy[N + 1];
    if (!text.empty() && text.data() >= buf_ && text.data() < buf_ + N + 1) {
      std::memcpy(copy, text.data(), text.size());
      text = std::string_view(copy, text.size());
    }
    std::memmove(buf_ + pos + text.size(), buf_ + pos + count, len_ - pos - count);
    if (!text.empty()) std::memcpy(buf_ + pos, text.data(), text.size());
    len_ = newLen;
    buf_[len_] = '\0';
    return true;
  }
  void Truncate(std::size_t n) {
    if (n < len_) {
      len_ = n;
      buf_[len_] = '\0';
    }
  }

 private:
  char buf_[N + 1];
  std::size_t len_ = 0;
};

using FormulaWorkText = FixedText<FORMULA_WORK_CHARS>;
using FormulaResultText = FixedText<FORMULA_RESULT_CHARS>;
