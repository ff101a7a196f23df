// The history lines of one number in its call details: its calls, newest
// first, with a year line wherever the year changes along them (calls of the
// current year have none above them).
#pragma once

#include <vector>

#include "platform/PimContract.h"

struct CallEntry {
  qzu::string label;     // the call type's name
  qzu::string date;      // "12-06 10:15", or the year of a year line
  qzu::string duration;  // length or ring count
  int yearLine = 0;      // 1: the line separates the years
};

// Replaces `entries` with the number's calls (only its missed calls when
// missedOnly), at most maxCount of them. Calls whose time cannot be shown
// are left out.
void LoadCallEntries(const qzu::string& number, bool missedOnly, int maxCount, std::vector<CallEntry>& entries);
