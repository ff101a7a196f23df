#include "dialer/NumberOwnerLine.h"

#include "ce/bstr.h"
#include "contactdata/NumberMatching.h"

std::wstring DescribeNumberOwner(const wchar_t* number) {
  int contactId = 0;
  wchar_t* name = nullptr;
  wchar_t* label = nullptr;
  if (!GetMatchPNInfo(number, &contactId, &name, &label, nullptr)) return std::wstring();
  std::wstring line = std::wstring(name ? name : L"") + L"  " + (label ? label : L"");
  SysFreeString(name);
  SysFreeString(label);
  return line;
}
