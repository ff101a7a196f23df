#include "qzfc/QzString.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <utility>

#include "ce/wstring.h"
#include "util/WideFormat.h"

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0x3000; }

int Sign(long long v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

}  // namespace

CQzStringW::CQzStringW(const wchar_t* text) {
  if (text) text_ = text;
}

CQzStringW::CQzStringW(const wchar_t* text, int length) {
  if (text && length > 0) text_.assign(text, static_cast<size_t>(length));
}

CQzStringW::CQzStringW(wchar_t ch, int repeat) {
  if (repeat > 0) text_.assign(static_cast<size_t>(repeat), ch);
}

CQzStringW& CQzStringW::operator=(const wchar_t* text) {
  if (!text)
    text_.clear();
  else
    text_ = text;  // std::wstring handles a pointer into itself
  return *this;
}

wchar_t CQzStringW::GetAt(int index) const {
  if (index < 0 || index >= GetLength()) return 0;
  return text_[static_cast<size_t>(index)];
}

void CQzStringW::SetAt(int index, wchar_t ch) {
  if (index < 0 || index >= GetLength()) return;
  text_[static_cast<size_t>(index)] = ch;
}

wchar_t* CQzStringW::GetBuffer() { return text_.data(); }

wchar_t* CQzStringW::GetBuffer(int minLength) {
  if (minLength > GetLength()) text_.resize(static_cast<size_t>(minLength));
  return text_.data();
}

void CQzStringW::ReleaseBuffer(int newLength) {
  if (newLength < 0)
    text_.resize(wcsnlen(text_.c_str(), text_.size()));
  else if (newLength < GetLength())
    text_.resize(static_cast<size_t>(newLength));
}

void CQzStringW::Format(const wchar_t* format, ...) {
  // Formatted aside: the format or an argument may be this string's own text.
  std::wstring formatted;
  va_list args;
  va_start(args, format);
  qzfc::FormatWideV(formatted, format, args);
  va_end(args);
  text_ = std::move(formatted);
}

void CQzStringW::AppendFormat(const wchar_t* format, ...) {
  std::wstring more;
  va_list args;
  va_start(args, format);
  bool ok = qzfc::FormatWideV(more, format, args);
  va_end(args);
  if (ok) text_ += more;
}

CQzStringW& CQzStringW::Append(const wchar_t* text, int length) {
  if (text && length > 0) text_.append(text, static_cast<size_t>(length));
  return *this;
}

CQzStringW& CQzStringW::operator+=(const CQzStringW& other) {
  text_ += other.text_;
  return *this;
}

CQzStringW& CQzStringW::operator+=(const wchar_t* text) {
  if (text) text_ += text;
  return *this;
}

CQzStringW& CQzStringW::operator+=(wchar_t ch) {
  text_ += ch;
  return *this;
}

int CQzStringW::Compare(const wchar_t* other) const {
  return Sign(wcscmp(text_.c_str(), other ? other : L""));
}

int CQzStringW::CompareNoCase(const wchar_t* other) const {
  return _wcsicmp(text_.c_str(), other ? other : L"");
}

int CQzStringW::Find(wchar_t ch, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  size_t at = text_.find(ch, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CQzStringW::Find(const wchar_t* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  size_t at = text_.find(sub, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CQzStringW::ReverseFind(wchar_t ch) const {
  size_t at = text_.rfind(ch);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CQzStringW CQzStringW::Left(int count) const { return Mid(0, count); }

CQzStringW CQzStringW::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return Mid(GetLength() - count, count);
}

CQzStringW CQzStringW::Mid(int start) const { return Mid(start, GetLength()); }

CQzStringW CQzStringW::Mid(int start, int count) const {
  start = std::clamp(start, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - start);
  return CQzStringW(text_.substr(static_cast<size_t>(start), static_cast<size_t>(count)));
}

int CQzStringW::Replace(const wchar_t* from, const wchar_t* to) {
  if (!from || !*from) return 0;
  std::wstring needle(from);
  std::wstring replacement(to ? to : L"");
  int count = 0;
  size_t at = 0;
  while ((at = text_.find(needle, at)) != std::wstring::npos) {
    text_.replace(at, needle.size(), replacement);
    at += replacement.size();
    ++count;
  }
  return count;
}

CQzStringW& CQzStringW::Trim() {
  size_t begin = 0;
  size_t end = text_.size();
  while (begin < end && IsSpace(text_[begin])) ++begin;
  while (end > begin && IsSpace(text_[end - 1])) --end;
  text_ = text_.substr(begin, end - begin);
  return *this;
}
