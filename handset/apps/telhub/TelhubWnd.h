// CTelhubWnd: the phone host's main window. It holds the three tab windows
// (call log, contacts, dialer) as child windows over the whole work area and
// shows one at a time. The tab windows ask for another tab with 0x401; the
// call log reports with 0x402 that it was shown and gets 0x403 (refresh)
// when the host comes to the front or hears 0x404 (contact data changed,
// posted by other programs). Keys go to the tab on show; the radio layer's
// broadcast goes to every tab.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "HostTexts.h"
#include "qzfc/QzWndEx.h"

namespace telhub {

// Messages between the host and its tab windows.
constexpr UINT kMsgSwitchTab = WM_USER + 1;
constexpr UINT kMsgCallLogShown = WM_USER + 2;
constexpr UINT kMsgRefreshCallLog = WM_USER + 3;
constexpr UINT kMsgContactsChanged = WM_USER + 4;

class CTelhubWnd : public CQzWndEx {
 public:
  static constexpr const wchar_t* kClassName = L"CTelhubWnd";

  CTelhubWnd();
  ~CTelhubWnd() override;

  LPCWSTR GetQzClassName() override { return kClassName; }
  BOOL OnInitDialog() override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // Shows tab 3, 4 or 5 and hides the others; other values do nothing.
  void SwitchTab(int tab);
  int CurrentTab() const { return current_; }
  CQzWnd* TabWindow(int tab) const;
  // How often the call log was asked to refresh (0x403), for the curious.
  int CallLogRefreshes() const { return callLogRefreshes_; }

 private:
  void RefreshCallLog(WPARAM scrollToTop);
  std::unique_ptr<CQzWnd> MakeTabWindow(int tab);

  std::array<std::unique_ptr<CQzWnd>, 3> tabs_;
  int current_ = 0;
  int callLogRefreshes_ = 0;
  UINT radioMessage_ = 0;
};

}  // namespace telhub
