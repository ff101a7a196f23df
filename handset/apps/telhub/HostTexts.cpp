#include "HostTexts.h"

#include "AppTexts.h"

namespace telhub {

const wchar_t* TabTitle(int tab) {
  switch (tab) {
    case TAB_CALL_LOG: return Text(L"通话记录", L"Call log");
    case TAB_CONTACTS: return Text(L"联系人", L"Contacts");
    default: return Text(L"拨号", L"Dialer");
  }
}

}  // namespace telhub
