// A contact's birthday as stored: eight digits, year, month and day.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

// The date of a birthday text whose first eight characters are digits and
// name a real day; false for anything else (shorter texts, letters, a
// thirteenth month, 29 February of a common year).
bool ParseBirthday(const qzu::string& text, SYSTEMTIME& date);

// "%04d%02d%02d".
qzu::string FormatBirthday(int year, int month, int day);

// The birthday as the lists show it ("1980-02-29"); empty when it is not a date.
CQzStringW BirthdayDisplayText(const qzu::string& text);
