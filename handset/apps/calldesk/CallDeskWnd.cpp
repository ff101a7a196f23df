#include "CallDeskWnd.h"

#include <cwchar>

#include "AppTexts.h"
#include "CallRecord.h"
#include "qzfc/Clock.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

constexpr UINT_PTR kDurationTimer = 1;
constexpr COLORREF kGrey = RGB(0x78, 0x78, 0x78);

void Place(UiStatic& text, int id, int y, int height, int size, COLORREF color) {
  text.SetID(id);
  text.SetPos(20, y, 440, height);
  text.SetTextSize(size);
  text.SetTextColor(color);
  text.SetTextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

}  // namespace

CallDeskWnd::CallDeskWnd(std::wstring number, std::function<void()> closed)
    : number_(std::move(number)), closed_(std::move(closed)) {}

BOOL CallDeskWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(Text(L"通话中", L"In call"));
  Place(name_, ID_NAME, 90, 60, 40, RGB(0, 0, 0));
  name_.SetBold(TRUE);
  Place(label_, ID_LABEL, 150, 36, 24, kGrey);
  Place(numberText_, ID_NUMBER, 190, 50, 30, RGB(0, 0, 0));
  Place(duration_, ID_DURATION, 250, 40, 26, kGrey);
  for (UiStatic* text : {&name_, &label_, &numberText_, &duration_}) AddUiWin(text);

  hangUp_.SetID(ID_HANG_UP);
  hangUp_.SetButtonType(UIBUTTON_TYPE_PUSH);
  hangUp_.SetText(Text(L"挂断", L"Hang up"));
  hangUp_.SetTextSize(30);
  hangUp_.SetTextColor(RGB(0xD0, 0x21, 0x21));
  hangUp_.SetPos(90, GetHeight() - 170, 300, 90);
  hangUp_.EnableNotifyMessage(TRUE);
  AddUiWin(&hangUp_);

  startTick_ = qzfc::Clock::Now();
  startTime_ = std::time(nullptr);
  ShowCaller();
  ShowDuration();
  SetTimer(GetHwnd(), kDurationTimer, 1000, nullptr);
  return TRUE;
}

void CallDeskWnd::ShowCaller() {
  CallerInfo caller = IdentifyCaller(number_);
  name_.SetText(caller.name.c_str());
  label_.SetText(caller.label.c_str());
  numberText_.SetText(number_.c_str());
}

int CallDeskWnd::Seconds() const { return static_cast<int>((qzfc::Clock::Now() - startTick_) / 1000); }

void CallDeskWnd::ShowDuration() {
  int seconds = Seconds();
  wchar_t text[32];
  if (seconds < 3600)
    std::swprintf(text, 32, L"%02d:%02d", seconds / 60, seconds % 60);
  else
    std::swprintf(text, 32, L"%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  duration_.SetText(text);
}

LRESULT CallDeskWnd::OnTimer(UINT_PTR timerId) {
  if (timerId == kDurationTimer) {
    ShowDuration();
    return 0;
  }
  return CQzWndEx::OnTimer(timerId);
}

LRESULT CallDeskWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) {
    HangUp();
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT CallDeskWnd::OnQzCommand(WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) == ID_HANG_UP) HangUp();
  return 0;
}

void CallDeskWnd::HangUp() {
  if (ended_) return;
  ended_ = true;
  KillTimer(GetHwnd(), kDurationTimer);
  RecordOutgoingCall(number_, startTime_, Seconds());
  if (closed_) closed_();
}

}  // namespace telhub
