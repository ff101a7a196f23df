// One speed-dial entry of the phone settings: 1 is the voice mail, 2 to 9
// belong to the keys of those digits. The flag tells the dialer what a long
// press does: 0 dials the number at once, anything else puts it in the field.
#pragma once

#include "platform/PimContract.h"

struct SpeedDialEntry {
  // The stored entry; not stored without a settings store.
  static SpeedDialEntry Read(int entry);

  // Stored with a number: a long press acts on it.
  bool Usable() const { return stored && !number.empty(); }
  bool DialsAtOnce() const { return flag == 0; }

  bool stored = false;
  int flag = 0;
  qzu::string name;
  qzu::string number;
};
