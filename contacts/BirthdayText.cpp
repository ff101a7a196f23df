#include "contacts/BirthdayText.h"

namespace {

int Digits(const qzu::string& text, size_t from, size_t count) {
  int value = 0;
  for (size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - L'0');
  return value;
}

}  // namespace

bool ParseBirthday(const qzu::string& text, SYSTEMTIME& date) {
  if (text.length() < 8) return false;
  for (size_t i = 0; i < 8; ++i)
    if (text[i] < L'0' || text[i] > L'9') return false;
  SYSTEMTIME parsed{};
  parsed.wYear = static_cast<WORD>(Digits(text, 0, 4));
  parsed.wMonth = static_cast<WORD>(Digits(text, 4, 2));
  parsed.wDay = static_cast<WORD>(Digits(text, 6, 2));
  if (parsed.wDay < 1 || parsed.wDay > MaxDaysInMonth(parsed.wMonth, parsed.wYear)) return false;
  date = parsed;
  return true;
}

qzu::string FormatBirthday(int year, int month, int day) {
  CQzStringW text;
  text.Format(L"%04d%02d%02d", year, month, day);
  return qzu::string(text.GetString());
}

CQzStringW BirthdayDisplayText(const qzu::string& text) {
  SYSTEMTIME date{};
  if (!ParseBirthday(text, date)) return CQzStringW();
  return GetDateTimeString(date, QZ_DATE_FULL);
}
