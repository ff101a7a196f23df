#include "HostTexts.h"

#include "ce/language.h"

namespace telhub {

const wchar_t* TabTitle(int tab) {
  bool chinese = (GetUserDefaultUILanguage() & 0x3FF) == 0x04;  // any Chinese
  switch (tab) {
    case TAB_CALL_LOG: return chinese ? L"通话记录" : L"Call log";
    case TAB_CONTACTS: return chinese ? L"联系人" : L"Contacts";
    default: return chinese ? L"拨号" : L"Dialer";
  }
}

}  // namespace telhub
