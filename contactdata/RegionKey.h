// Reading a phone number of the 86 numbering plan: which part of it names
// the region it belongs to (a mobile number's seven-digit segment or a
// landline's area code), or whether it is international or local.
#pragma once

#include <string_view>

struct RegionKey {
  enum Kind {
    UNDECIDED,      // the number ended first, or its key reads as 0
    KEY,            // look `key` up in the caller-location data
    INTERNATIONAL,  // a country code other than 86
    LOCAL,          // a landline number without area code
  };
  Kind kind = UNDECIDED;
  int key = 0;
};

// Walks the number from its first character: "+" or "00" start a country
// code, "0" an area code, "1" a mobile number; anything else is a local
// landline. A key is the decimal value of its characters read the way
// _wtol reads them (leading blanks skipped, up to the first non-digit).
RegionKey ParseRegionKey(std::wstring_view number);
