// The dialer as a tab of a host window, and helpers that press the pad's
// keys the way a finger does and read what left the dialer (the launch
// journal, the store).
#pragma once

#include <string>
#include <vector>

#include "ce/journal.h"
#include "ce/registry.h"
#include "ce/wstring.h"
#include "contactdata_helpers.h"
#include "core/launch/Launchers.h"
#include "dialer/PhoneDialWnd.h"
#include "dialer/VoiceMailNumberDlg.h"
#include "platform/PimContract.h"
#include "qzfc/Sip.h"
#include "ui_fixture.h"

namespace dial_test {

using contactdata_test::AddContact;
using vorna::test::kScreenTop;

// Records the tab switches its tab asks for.
class HostWnd : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"DialTestHost"; }
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == PhoneDialWnd::kTabSwitchMessage) {
      tabs.push_back(static_cast<int>(lParam));
      senders.push_back(wParam);
      return 0;
    }
    return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
  }
  std::vector<int> tabs;
  std::vector<WPARAM> senders;
};

// The pad's keys by position, left to right and top to bottom.
enum PadKey { kKey1 = 0, kKey2 = 1, kKey5 = 4, kKey0 = 10, kKeyHash = 11, kClear = 12, kCall = 13, kDelete = 14 };

class DialWindowTest : public vorna::test::LibraryUiTest {
 protected:
  void SetUp() override {
    PendingDialNumber.Empty();
    LastDialledNumber.Empty();
    Open(host);
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(dial.Create(0, 0, wa.right - wa.left, wa.bottom - wa.top, host.GetHwnd(), 0, WS_CHILD));
    dial.Show(TRUE);
    robot.Settle();
  }
  void TearDown() override {
    dial.DestroyWindow();
    host.DestroyWindow();
  }

  // Re-shows the dialer, as the host does when the user comes back to its tab.
  void Reshow() {
    dial.Show(FALSE);
    dial.Show(TRUE);
    robot.Settle();
  }

  static POINT KeyPoint(int key) { return POINT{13 + 152 * (key % 3) + 76, kScreenTop + 163 + 87 * (key / 3) + 43}; }
  void Press(int key) { robot.Press(KeyPoint(key).x, KeyPoint(key).y); }
  void Release(int key) {
    robot.Release(KeyPoint(key).x, KeyPoint(key).y);
    robot.Advance(300);  // past the double-click time, so that the next press is a press
  }
  void Tap(int key) {
    Press(key);
    Release(key);
  }
  // A long press: held past the press-and-hold time, then lifted.
  void LongPress(int key) {
    Press(key);
    robot.Advance(600);
    Release(key);
  }
  void Type(const std::wstring& keys) {
    for (wchar_t ch : keys) Tap(static_cast<int>(std::wstring(L"123456789*0#").find(ch)));
  }
  void TapAt(RECT rc) {
    robot.Tap((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    robot.Advance(300);
  }
  // A control's rectangle on the screen, from its rectangle in its window.
  static RECT OnScreen(RECT rc) { return RECT{rc.left, rc.top + kScreenTop, rc.right, rc.bottom + kScreenTop}; }
  void TapToolBar(int button) { TapButton(ToolBar(), button); }
  // Answers the voice-mail dialog as a finger does: digits on the soft
  // keyboard, the keyboard put away, then cancel or save on the tool bar.
  void AnswerVoiceMailDialog(const std::wstring& digits, int button) {
    robot.WhenModalWaits([this, digits, button] {
      qzfc::Sip& sip = qzfc::Sip::Instance();
      EXPECT_TRUE(sip.IsVisible()) << "the number field brings up the keyboard";
      for (wchar_t digit : digits) TapAt(sip.KeyRect(std::wstring(1, digit)));
      TapAt(sip.KeyRect(L"\u25BC"));
      TapAt(OnScreen(robot.Find<UiToolBarPro>(VoiceMailNumberDlg::kToolBarId)->GetButtonRect(button)));
    });
  }

  std::wstring Field() const { return dial.GetDialPN(); }
  UiSingleLineEdit& FieldControl() const { return *Control<UiSingleLineEdit>(); }
  std::wstring MatchLine() const { return Control<UiStatic>()->GetText(); }
  UiToolBarPro& ToolBar() const { return *Control<UiToolBarPro>(); }
  template <typename T>
  T* Control() const {
    for (UiWin* ui : dial.GetUiWins())
      if (auto* found = dynamic_cast<T*>(ui)) return found;
    ADD_FAILURE() << "no such control in the dialer";
    return nullptr;
  }

  // What the dialer handed on, from the launch journal: the parameters of
  // each call placed, and the names of the sounds played.
  static std::vector<std::wstring> Dialled() { return vorna::test::Dialled(); }
  static std::vector<std::wstring> Sounds() {
    std::vector<std::wstring> out;
    for (const ce::JournalEntry& e : vorna::test::JournalEntries("sound")) out.push_back(e.program);
    return out;
  }
  static PhoneSettingsDbIf& Settings() { return *PhoneSettingsDbIf::GetPhoneSettingsDbIf(); }
  static void SetKeyClicks(DWORD value) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Volume", 0, nullptr, 0, 0, nullptr, &key, &disposition), 0);
    RegSetValueExW(key, L"Key", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
  }

  HostWnd host;
  PhoneDialWnd dial;
};

}  // namespace dial_test
