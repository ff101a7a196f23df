// caller_card: who owns a phone number, and that contact's card.
//
//   caller_card NUMBER
//
// Identifies the number against the contacts of the device root
// ($VORNA_ROOT, else ~/.local/share/vorna) as the in-call screen does, then
// prints the owner's plain-text card. Exit status 0 when the
// number belongs to a contact, 1 when it does not. Build it against an
// installed library:
//
//   c++ -std=c++20 caller_card.cpp $(pkg-config --cflags --libs vornalib)
#include <cstdio>
#include <string>

#include "ce/bstr.h"
#include "ce/utf8.h"
#include "contactdata/NumberMatching.h"
#include "contactdata/VcardWriter.h"
#include "platform/PimContract.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: caller_card NUMBER\n");
    return 2;
  }
  const std::wstring number(argv[1], argv[1] + std::char_traits<char>::length(argv[1]));  // digits are ASCII
  int id = 0;
  wchar_t* name = nullptr;
  wchar_t* type = nullptr;
  if (!GetMatchPNInfo(number.c_str(), &id, &name, &type, nullptr)) {
    std::printf("%s: no contact\n", argv[1]);
    return 1;
  }
  std::printf("%s: contact %d, %s (%s)\n", argv[1], id, ce::ToUtf8(name).c_str(), ce::ToUtf8(type).c_str());
  SysFreeString(name);
  SysFreeString(type);

  CContactInfo contact;
  CContactsDbIf* store = CContactsDbIf::GetContactDbIf();
  if (!store || !store->GetContactInfo(id, contact)) return 1;
  qzu::string text;
  MakeVcardContent(contact, text);
  std::printf("%s", ce::ToUtf8(text.view()).c_str());
  return 0;
}
