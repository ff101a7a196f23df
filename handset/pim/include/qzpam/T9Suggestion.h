// One row of CContactsDbIf::GetT9Suggestions: a contact found from the dial
// pad, the number to dial, and which characters to highlight.
#pragma once

#include "qzpam/qzu_array.h"
#include "qzpam/qzu_string.h"

struct T9Suggestion {
  int id = 0;
  qzu::string name;
  qzu::string number;  // the number that matched, else the primary one
  int type = 0;        // that number's type code
  qzu::array<int> nameMarks;    // positions in name of the matched letters
  qzu::array<int> numberMarks;  // positions in number of the matched digits
};
