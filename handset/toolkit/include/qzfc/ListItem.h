// ListItem: one row of a UiList, a text and a 32-bit data word that the
// list's owner gives its own meaning (a row kind, an identifier, ...).
#pragma once

#include <string>

#include "ce/types.h"

struct ListItem {
  std::wstring text;
  DWORD data = 0;
};
