// What the composers ask of the contacts' picker and cards, through the
// library's exported picker window and FastGetContactVcf, as any program of
// the handset would.
#pragma once

#include <string>
#include <vector>

#include "ce/types.h"

namespace telhub {

// Runs the picker over `owner` for several phone numbers (or e-mail
// addresses) and gives the chosen values in list order, a whole group as its
// members' values; empty when the user cancelled or chose nothing.
std::vector<std::wstring> PickPhoneNumbers(HWND owner);
std::vector<std::wstring> PickEmailAddresses(HWND owner);

struct PickedCard {
  std::wstring path;  // the written vCard file, a handset path
  std::wstring name;  // its file name without ".vcf"
};

// Lets the user pick one contact and writes its card; false when nothing
// was picked or no file could be written.
bool PickContactCard(HWND owner, PickedCard& card);

}  // namespace telhub
