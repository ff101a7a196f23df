// A host window with the dialer as its tab, on the headless screen over a
// fresh device root, and helpers that press the pad's keys the way a finger
// does and read what left the dialer (the launch journal, the store).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "ce/journal.h"
#include "ce/registry.h"
#include "core/launch/Launchers.h"
#include "dialer/PhoneDialWnd.h"
#include "dialer/VoiceMailNumberDlg.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"
#include "qzfc/Robot.h"
#include "qzfc/Sip.h"
#include "temp_root.h"

namespace dial_test {

// The work area starts below the shell bar.
constexpr int kScreenTop = 80;

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

enum PadKey {
  kKey1 = 0,
  kKey2 = 1,
  kKey5 = 4,
  kKeyStar = 9,
  kKey0 = 10,
  kKeyHash = 11,
  kClear = 12,
  kCall = 13,
  kDelete = 14
};

inline std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
  return text;
}

class DialWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    robot.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
    PendingDialNumber.Empty();
    LastDialledNumber.Empty();
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(host.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0));
    host.Show(TRUE);
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
  static int KeyFor(wchar_t ch) {
    static const std::wstring kPad = L"123456789*0#";
    return static_cast<int>(kPad.find(ch));
  }
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
    for (wchar_t ch : keys) Tap(KeyFor(ch));
  }
  // Answers the voice-mail dialog as a finger does: digits on the soft
  // keyboard, the keyboard put away, then cancel or save on the tool bar.
  void AnswerVoiceMailDialog(const std::wstring& digits, int button) {
    robot.WhenModalWaits([this, digits, button] {
      auto tap = [this](RECT rc) {
        robot.Tap((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        robot.Advance(300);
      };
      EXPECT_TRUE(qzfc::Sip::Instance().IsVisible()) << "the number field brings up the keyboard";
      for (wchar_t digit : digits) tap(qzfc::Sip::Instance().KeyRect(std::wstring(1, digit)));
      tap(qzfc::Sip::Instance().KeyRect(L"\u25BC"));
      RECT rc = robot.Find<UiToolBarPro>(VoiceMailNumberDlg::kToolBarId)->GetButtonRect(button);
      tap(RECT{rc.left, rc.top + kScreenTop, rc.right, rc.bottom + kScreenTop});
    });
  }
  void TapToolBar(int button) {
    RECT rc = ToolBar().GetButtonRect(button);
    robot.Tap((rc.left + rc.right) / 2, kScreenTop + (rc.top + rc.bottom) / 2);
    robot.Advance(300);
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

  // What was launched or played, in order: the parameters of each start of
  // `program`, or the names of the sounds.
  static std::vector<std::wstring> Launched(const std::wstring& program) {
    std::vector<std::wstring> out;
    for (const ce::JournalEntry& e : ce::ReadLaunchJournal())
      if (e.kind == "launch" && Lower(e.program) == Lower(program)) out.push_back(e.details);
    return out;
  }
  static std::vector<std::wstring> Dialled() { return Launched(L"\\windows\\calldesk.exe"); }
  static std::vector<std::wstring> Sounds() {
    std::vector<std::wstring> out;
    for (const ce::JournalEntry& e : ce::ReadLaunchJournal())
      if (e.kind == "sound") out.push_back(e.program);
    return out;
  }

  static PhoneSettingsDbIf& Settings() {
    PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
    EXPECT_NE(settings, nullptr);
    return *settings;
  }
  static int AddContact(const wchar_t* given, const wchar_t* number, int type = 0) {
    CContactInfo record;
    record.UpdateNameInfo(L"", given, L"");
    record.AddPhoneNumber(0, number, type, 1);
    return CContactsDbIf::GetContactDbIf()->AddContact(record);
  }
  static void SetKeyClicks(DWORD value) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Volume", 0, nullptr, 0, 0, nullptr, &key, &disposition), 0);
    RegSetValueExW(key, L"Key", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
  }

  vorna::test::TempDeviceRoot root;
  qzfc::Robot robot;
  HostWnd host;
  PhoneDialWnd dial;
};

}  // namespace dial_test
