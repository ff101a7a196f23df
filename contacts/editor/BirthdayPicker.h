// The birthday picker: the toolkit's date picker with a year, a month and a
// day column, years 1923 to 2099.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

// Opens at the record's birthday (today when it has none or it is not a
// date) over `owner`; on confirm writes the chosen day to the record and,
// for a stored contact, to the store. True when a day was chosen.
bool PickBirthday(HWND owner, CContactInfo& record);

// The day the picker opens at: the birthday, or today; the year kept within
// the picker's years.
SYSTEMTIME BirthdayPickerStart(const qzu::string& birthday);
