// Reading a call's time from the command line.
#pragma once

#include <string_view>

#include "ce/types.h"

namespace vornactl {

// A UTC time as Unix seconds ("1796552100") or as "YYYY-MM-DD HH:MM[:SS]"
// (a "T" may stand for the space, a "Z" may end it). False for anything
// else, for impossible dates and for times outside 1970 to 2038, which the
// call log cannot hold.
bool ParseCallTime(std::string_view text, SYSTEMTIME& time);

}  // namespace vornactl
