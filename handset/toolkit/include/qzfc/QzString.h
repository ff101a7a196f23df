// CQzStringW: the toolkit's wide string, the text type of every control,
// of QzLoadString and of the date helpers.
//
// Characters are wchar_t (UTF-32 here). A CQzStringW converts implicitly to
// a const wchar_t* that stays valid until the string is next changed, so it
// can be handed to any function that takes LPCWSTR.
#pragma once

#include <string>

#include "ce/types.h"

class CQzStringW {
 public:
  CQzStringW() = default;
  CQzStringW(const wchar_t* text);  // NOLINT: implicit by design; null is empty
  CQzStringW(const wchar_t* text, int length);
  CQzStringW(wchar_t ch, int repeat);
  CQzStringW(const std::wstring& text) : text_(text) {}  // NOLINT

  CQzStringW& operator=(const wchar_t* text);

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }

  const wchar_t* GetString() const { return text_.c_str(); }
  operator const wchar_t*() const { return text_.c_str(); }  // NOLINT
  const std::wstring& str() const { return text_; }

  // Character at a position; 0 outside the string.
  wchar_t GetAt(int index) const;
  // Replaces the character at a position; does nothing outside the string.
  void SetAt(int index, wchar_t ch);

  // Writable storage of at least minLength characters plus a terminator.
  // After writing, ReleaseBuffer fixes the length: -1 measures up to the
  // first zero, any other value (clamped to the buffer) is taken as given.
  wchar_t* GetBuffer();
  wchar_t* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

  // printf-style formatting with the handset's wide conventions: %s and %c
  // take wide arguments, %S, %C and %hs narrow ones, %ls and %ws wide ones.
  // A format that cannot be expanded leaves the string empty (Format) or
  // unchanged (AppendFormat).
  void Format(const wchar_t* format, ...);
  void AppendFormat(const wchar_t* format, ...);

  CQzStringW& Append(const wchar_t* text, int length);
  CQzStringW& operator+=(const CQzStringW& other);
  CQzStringW& operator+=(const wchar_t* text);
  CQzStringW& operator+=(wchar_t ch);

  // <0, 0, >0 like wcscmp; a null argument compares as the empty string.
  int Compare(const wchar_t* other) const;
  // The same after Unicode case folding.
  int CompareNoCase(const wchar_t* other) const;

  // Index of the first occurrence at or after start, or -1.
  int Find(wchar_t ch, int start = 0) const;
  int Find(const wchar_t* sub, int start = 0) const;
  int ReverseFind(wchar_t ch) const;

  // Substrings; counts and positions are clamped to the string.
  CQzStringW Left(int count) const;
  CQzStringW Right(int count) const;
  CQzStringW Mid(int start) const;
  CQzStringW Mid(int start, int count) const;

  // Number of replacements made.
  int Replace(const wchar_t* from, const wchar_t* to);
  CQzStringW& Trim();

  friend bool operator==(const CQzStringW& a, const CQzStringW& b) { return a.text_ == b.text_; }
  friend bool operator==(const CQzStringW& a, const wchar_t* b) { return a.Compare(b) == 0; }
  friend bool operator<(const CQzStringW& a, const CQzStringW& b) { return a.text_ < b.text_; }

  friend CQzStringW operator+(CQzStringW a, const CQzStringW& b) { return a += b; }
  friend CQzStringW operator+(CQzStringW a, const wchar_t* b) { return a += b; }
  friend CQzStringW operator+(const wchar_t* a, const CQzStringW& b) { return CQzStringW(a) += b; }
  friend CQzStringW operator+(CQzStringW a, wchar_t b) { return a += b; }

 private:
  std::wstring text_;
};
