// qzu::string: the data library's text type.
//
// qzu::string holds wide text (wchar_t, UTF-32 on this platform); qzu::string8
// holds 8-bit text (code-page bytes, such as a written vCard). Both own their
// storage and are always zero-terminated.
//
// size() counts the terminating zero, as every interface of the library does:
// an empty string has size 1. length() counts the characters alone, and
// empty() is true when there are none.
#pragma once

#include <charconv>
#include <compare>
#include <concepts>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace qzu {

template <typename CharT>
class basic_string {
 public:
  using value_type = CharT;
  using view_type = std::basic_string_view<CharT>;
  static constexpr std::size_t npos = std::basic_string<CharT>::npos;

  basic_string() = default;
  // A null pointer gives an empty string.
  basic_string(const CharT* text) {  // NOLINT: implicit on purpose
    if (text) text_ = text;
  }
  basic_string(const CharT* text, std::size_t count) {
    if (text) text_.assign(text, count);
  }
  explicit basic_string(view_type text) : text_(text) {}
  explicit basic_string(std::basic_string<CharT>&& text) : text_(std::move(text)) {}

  // The decimal text of an integer ("-42").
  template <std::integral Int>
    requires(!std::same_as<Int, CharT> && !std::same_as<Int, bool>)
  explicit basic_string(Int value) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    text_.assign(digits, result.ptr);
  }

  // Characters plus the terminating zero: an empty string has size 1.
  std::size_t size() const { return text_.size() + 1; }
  std::size_t length() const { return text_.size(); }
  bool empty() const { return text_.empty(); }

  const CharT* c_str() const { return text_.c_str(); }
  const CharT* data() const { return text_.data(); }
  CharT* data() { return text_.data(); }
  view_type view() const { return text_; }
  const std::basic_string<CharT>& str() const { return text_; }

  const CharT& operator[](std::size_t index) const { return text_[index]; }
  CharT& operator[](std::size_t index) { return text_[index]; }

  // A writable buffer of at least `capacity` characters (plus the terminator)
  // for C-style writers; release_buffer() then sets the length, by default up
  // to the first zero written.
  CharT* get_buffer(std::size_t capacity) {
    if (text_.size() < capacity) text_.resize(capacity, CharT{});
    return text_.data();
  }
  void release_buffer(std::size_t new_length = npos) {
    if (new_length == npos) new_length = std::basic_string<CharT>(text_.c_str()).size();
    if (new_length < text_.size()) text_.resize(new_length);
  }

  basic_string& assign(const CharT* text, std::size_t count) {
    if (!text) {
      text_.clear();
    } else if (count <= text_.capacity() && !Inside(text)) {
      // Refilling a string that already has room, as every row of a cursor
      // list does: a plain copy, without the general replace's bookkeeping.
      text_.clear();
      text_.append(text, count);
    } else {
      text_.assign(text, count);
    }
    return *this;
  }
  basic_string& append(const CharT* text, std::size_t count) {
    if (text) text_.append(text, count);
    return *this;
  }
  basic_string& append(std::size_t count, CharT c) {
    text_.append(count, c);
    return *this;
  }
  basic_string& operator+=(const basic_string& other) {
    text_ += other.text_;
    return *this;
  }
  basic_string& operator+=(const CharT* text) {
    if (text) text_ += text;
    return *this;
  }
  basic_string& operator+=(CharT c) {
    text_ += c;
    return *this;
  }
  void clear() { text_.clear(); }
  void reserve(std::size_t count) { text_.reserve(count); }
  void resize(std::size_t count, CharT fill = CharT{}) { text_.resize(count, fill); }

  std::size_t find(view_type what, std::size_t from = 0) const { return text_.find(what, from); }
  std::size_t find(CharT c, std::size_t from = 0) const { return text_.find(c, from); }
  basic_string substr(std::size_t from, std::size_t count = npos) const {
    if (from >= text_.size()) return basic_string();
    return basic_string(view_type(text_).substr(from, count));
  }
  int compare(const basic_string& other) const { return text_.compare(other.text_); }

  auto begin() const { return text_.begin(); }
  auto end() const { return text_.end(); }

  friend basic_string operator+(basic_string a, const basic_string& b) { return a += b; }
  friend basic_string operator+(basic_string a, const CharT* b) { return a += b; }
  friend basic_string operator+(const CharT* a, const basic_string& b) { return basic_string(a) += b; }

  friend bool operator==(const basic_string& a, const basic_string& b) { return a.text_ == b.text_; }
  friend bool operator==(const basic_string& a, const CharT* b) { return a.view() == view_type(b ? b : empty_text()); }
  friend std::strong_ordering operator<=>(const basic_string& a, const basic_string& b) {
    return a.text_.compare(b.text_) <=> 0;
  }

 private:
  bool Inside(const CharT* text) const {
    std::less_equal<const CharT*> before;
    return before(text_.data(), text) && before(text, text_.data() + text_.size());
  }
  static const CharT* empty_text() {
    static const CharT none[1] = {};
    return none;
  }

  std::basic_string<CharT> text_;
};

using string = basic_string<wchar_t>;
using string8 = basic_string<char>;

}  // namespace qzu

// So that strings can key unordered containers.
template <typename CharT>
struct std::hash<qzu::basic_string<CharT>> {
  std::size_t operator()(const qzu::basic_string<CharT>& text) const noexcept {
    return std::hash<std::basic_string_view<CharT>>()(text.view());
  }
};
