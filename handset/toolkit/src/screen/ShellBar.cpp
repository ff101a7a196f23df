#include "screen/ShellBar.h"

#include <ctime>
#include <cwchar>
#include <vector>

#include "ce/device.h"
#include "ce/gdi.h"
#include "ce/msgqueue.h"
#include "ce/window_registry.h"
#include "qzfc/FontHelper.h"
#include "qzfc/Screen.h"

namespace qzfc {
namespace {

constexpr COLORREF kBarColour = RGB(0x1E, 0x23, 0x2D);
constexpr COLORREF kTitleColour = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kClockColour = RGB(0xC8, 0xCD, 0xD7);

ShellBar* g_bar = nullptr;

}  // namespace

ShellBar::ShellBar() {
  g_bar = this;
  ce::OnDeviceRootReset(&ShellBar::OnDeviceRootReset);
  OpenQueue();
}

// The windows of the old root are gone, and a handle of theirs may come back
// as a new window's: their subscriptions go with their queue.
void ShellBar::OnDeviceRootReset() {
  if (g_bar->queue_) CloseMsgQueue(g_bar->queue_);
  g_bar->queue_ = nullptr;
  g_bar->subscriptions_.clear();
  g_bar->OpenQueue();
}

void ShellBar::OpenQueue() {
  MSGQUEUEOPTIONS options{sizeof(MSGQUEUEOPTIONS), MSGQUEUE_ALLOW_BROKEN, 16, 12, TRUE};
  queue_ = CreateMsgQueue(L"QueueNameOfShellNotifyMessage", &options);
}

void ShellBar::Paint(HDC hdc, LPCWSTR title) {
  RECT bar{0, 0, Screen::kWidth, Screen::kShellBarHeight};
  HBRUSH brush = CreateSolidBrush(kBarColour);
  FillRect(hdc, &bar, brush);
  DeleteObject(brush);
  SetBkMode(hdc, TRANSPARENT);

  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  wchar_t clock[8];
  std::swprintf(clock, 8, L"%02d:%02d", local.tm_hour, local.tm_min);
  HGDIOBJ oldFont = SelectObject(hdc, FontHelper::GetFont(24, 400, 0, 0, 0, 0));
  SetTextColor(hdc, kClockColour);
  RECT clockRect{Screen::kWidth - 110, 0, Screen::kWidth - 16, Screen::kShellBarHeight};
  DrawTextW(hdc, clock, -1, &clockRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);

  if (title && *title) {
    SelectObject(hdc, FontHelper::GetFont(28, 700, 0, 0, 0, 0));
    SetTextColor(hdc, kTitleColour);
    RECT titleRect{110, 0, Screen::kWidth - 110, Screen::kShellBarHeight};
    DrawTextW(hdc, title, -1, &titleRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  SelectObject(hdc, oldFont);
}

void ShellBar::Subscribe(HWND hwnd, UINT event) {
  if (hwnd && (event == kEventMKey || event == kEventTaskbar)) subscriptions_.insert({event, hwnd});
}

void ShellBar::ReadSubscriptions() {
  // A queue that could not be opened (no run folder yet) is tried again.
  if (!queue_) OpenQueue();
  if (!queue_) return;
  uint32_t record[3];
  DWORD read = 0, flags = 0;
  while (ReadMsgQueue(queue_, record, sizeof record, &read, 0, &flags)) {
    // {1 = subscribe, window, event}; anything else is ignored.
    if (read == sizeof record && record[0] == 1)
      Subscribe(reinterpret_cast<HWND>(static_cast<uintptr_t>(record[1])), record[2]);
  }
}

void ShellBar::Notify(UINT event, LPCWSTR messageName) {
  ReadSubscriptions();
  UINT msg = RegisterWindowMessageW(messageName);
  if (!msg) return;
  std::vector<HWND> gone;
  for (auto& [ev, hwnd] : subscriptions_)
    if (ev == event && !PostMessageW(hwnd, msg, 0, 0)) gone.push_back(hwnd);
  for (HWND hwnd : gone) subscriptions_.erase({event, hwnd});
}

void ShellBar::Tap() { Notify(kEventTaskbar, L"ShellNotifyMsg/ClickTaskbar"); }
void ShellBar::PressMKey() { Notify(kEventMKey, L"ShellNotifyMsg/ClickMKey"); }

}  // namespace qzfc
