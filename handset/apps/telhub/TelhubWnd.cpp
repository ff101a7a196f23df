#include "TelhubWnd.h"

#include "VcardOpening.h"

#include "RadioBridge.h"
#include "calllog/CCallHistoryWnd.h"
#include "contacts/window/CContactWnd.h"
#include "dialer/PhoneDialWnd.h"
#include "qzfc/QzWnd.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

constexpr int kFirstTab = TAB_CALL_LOG;
constexpr int kTabIdBase = 100;

bool IsTab(LPARAM tab) { return tab >= TAB_CALL_LOG && tab <= TAB_DIALER; }

}  // namespace

CTelhubWnd::CTelhubWnd() = default;

CTelhubWnd::~CTelhubWnd() {
  // The tab windows are children: destroy them while the host still exists.
  for (auto& tab : tabs_) tab.reset();
}

std::unique_ptr<CQzWnd> CTelhubWnd::MakeTabWindow(int tab) {
  if (tab == TAB_DIALER) return std::make_unique<PhoneDialWnd>();
  if (tab == TAB_CONTACTS) return std::make_unique<CContactWnd>();
  return std::make_unique<CCallHistoryWnd>();
}

BOOL CTelhubWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  radioMessage_ = RegisterWindowMessageW(kPalBroadcastMessageName);
  for (int tab = TAB_CALL_LOG; tab <= TAB_DIALER; ++tab) {
    std::unique_ptr<CQzWnd> wnd = MakeTabWindow(tab);
    if (!wnd->Create(0, 0, GetWidth(), GetHeight(), GetHwnd(), static_cast<UINT>(kTabIdBase + tab), WS_CHILD))
      return FALSE;
    tabs_[static_cast<size_t>(tab - kFirstTab)] = std::move(wnd);
  }
  return TRUE;
}

CQzWnd* CTelhubWnd::TabWindow(int tab) const {
  return IsTab(tab) ? tabs_[static_cast<size_t>(tab - kFirstTab)].get() : nullptr;
}

void CTelhubWnd::SwitchTab(int tab) {
  CQzWnd* next = TabWindow(tab);
  if (!next) return;
  if (tab != current_)
    if (CQzWnd* old = TabWindow(current_)) old->Show(FALSE);
  current_ = tab;
  SetWindowText(TabTitle(tab));
  next->Show(TRUE);
}

void CTelhubWnd::RefreshCallLog(WPARAM scrollToTop) {
  ++callLogRefreshes_;
  if (CQzWnd* log = TabWindow(TAB_CALL_LOG)) log->SendMessageW(kMsgRefreshCallLog, scrollToTop, 0);
}

LRESULT CTelhubWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kMsgSwitchTab:
      SwitchTab(static_cast<int>(lParam));
      return 0;
    case kMsgCallLogShown:
      // The call log may show itself (after a number was handed over, say);
      // keep the title and the current tab in step with it.
      if (current_ != TAB_CALL_LOG) SwitchTab(TAB_CALL_LOG);
      return 0;
    case kMsgOpenVcard:
      ShowStagedVcard(GetHwnd(), static_cast<unsigned>(wParam));
      return 0;
    case kMsgContactsChanged:
      // Another program changed contact data: the call log reloads its
      // names now; the shown tab rechecks its change counters.
      RefreshCallLog(1);
      if (current_ != TAB_CALL_LOG)
        if (CQzWnd* tab = TabWindow(current_)) tab->Dispatch(QZ_WM_ACTIVATE, 1, 0);
      return 0;
    case QZ_WM_ACTIVATE:
      // Child windows are not told when their top-level window comes to the
      // front (after the in-call screen or the settings close): pass it on.
      if (LOWORD(wParam) == 1) RefreshCallLog(0);
      if (CQzWnd* tab = TabWindow(current_)) tab->Dispatch(msg, wParam, lParam);
      break;
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (CQzWnd* tab = TabWindow(current_)) return tab->Dispatch(msg, wParam, lParam);
      break;
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    default:
      if (radioMessage_ && msg == radioMessage_) {
        for (auto& tab : tabs_)
          if (tab) tab->Dispatch(msg, wParam, lParam);
        return 0;
      }
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

}  // namespace telhub
