// A phone host on the headless screen over a fresh device root, driven by
// the toolkit's robot; a window left waiting fails the test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "HostApp.h"
#include "ce/bstr.h"
#include "ce/journal.h"
#include "ce/shell.h"
#include "mailcomposer/MailComposer.h"
#include "qzfc/Robot.h"
#include "qzfc/Sip.h"
#include "qzfc/UiList.h"
#include "qzfc/UiWin.h"
#include "qzpam/CContactsDbIf.h"
#include "temp_root.h"

namespace apps::test {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    robot_.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
  }
  void StartHost(telhub::DemoStore demo = telhub::DemoStore::Never) {
    ASSERT_TRUE(host_.Start(demo));
    robot_.Settle();
  }
  // Starts a program by its device path, as another program would.
  static bool Launch(const wchar_t* program, const std::wstring& parameters) {
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof info;
    info.lpFile = program;
    info.lpParameters = parameters.c_str();
    return ShellExecuteEx(&info) != FALSE;
  }
  // Taps the middle of a control of the foreground window (windows start
  // below the 80-pixel shell bar).
  void TapControl(int id) {
    UiWin* control = robot_.FindControl(id);
    ASSERT_NE(control, nullptr) << id;
    RECT rc = control->GetWinRect();
    robot_.Tap((rc.left + rc.right) / 2, 80 + (rc.top + rc.bottom) / 2);
  }
  // Taps the tool bar at x; the keyboard covers it while a field has it, so
  // the user puts it away with its own key first.
  void TapToolBar(int x) {
    if (qzfc::Sip::Instance().IsVisible()) {
      RECT hide = qzfc::Sip::Instance().KeyRect(L"\u25BC");
      robot_.Tap((hide.left + hide.right) / 2, (hide.top + hide.bottom) / 2);
    }
    robot_.Tap(x, 765);
  }
  // The text of a control of the foreground window, "(none)" without one.
  std::wstring Text(int id) { return robot_.FindControl(id) ? robot_.FindControl(id)->GetText() : L"(none)"; }
  // A contact with one primary mobile number, and an e-mail address and a
  // group when given; its id.
  static int AddContact(const wchar_t* last, const wchar_t* first, const wchar_t* number, const wchar_t* email = L"",
                        const wchar_t* group = L"") {
    CContactInfo record;
    record.UpdateNameInfo(last, first, L"");
    record.AddPhoneNumber(0, number, 0, 1);
    if (*email) record.AddEmail(0, email, 0);
    if (*group) record.AddToCategoris(group);
    const int id = CContactsDbIf::GetContactDbIf()->AddContact(record);
    EXPECT_GT(id, 0);
    return id;
  }
  // The e-mail composer as the library drives it: the attachments (a null
  // one is refused) and recipients, the owner window when there is one, and
  // Show.
  static void ShowMailComposer(std::initializer_list<const wchar_t*> attachments,
                               std::initializer_list<const wchar_t*> recipients, HWND owner) {
    IMailComposer* composer = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_MailComposer, nullptr, CLSCTX_INPROC_SERVER, IID_IMailComposer,
                               reinterpret_cast<void**>(&composer)),
              S_OK);
    IMailComposerView* view = nullptr;
    ASSERT_EQ(composer->QueryInterface(IID_IMailComposerView, reinterpret_cast<void**>(&view)), S_OK);
    for (const wchar_t* path : attachments) {
      BSTR text = SysAllocString(path);
      EXPECT_EQ(composer->AddAttachment(text), path ? S_OK : E_INVALIDARG);
      SysFreeString(text);
    }
    for (const wchar_t* address : recipients) {
      BSTR text = SysAllocString(address);
      composer->AddRecipient(text);
      SysFreeString(text);
    }
    if (owner) composer->SetOwnerWindow(owner);
    EXPECT_EQ(view->Show(), S_OK);
    view->Release();
    composer->Release();
  }
  // Expects the next modal window to be a card's details (a list of at
  // least two rows) or a message box, and closes it.
  enum class Shown { CardDetails, MessageBox };
  void ExpectNextModal(Shown expected) {
    robot_.WhenModalWaits([this, expected] {
      CQzWnd* shown = robot_.Foreground();
      ASSERT_NE(shown, nullptr);
      ASSERT_NE(shown, &host_.Window());
      const bool box = std::wstring(shown->GetQzClassName()) == L"QzMessageBox";
      EXPECT_EQ(box, expected == Shown::MessageBox);
      if (expected == Shown::CardDetails) {
        auto* details = dynamic_cast<UiList*>(robot_.FindControl(shown, 1));
        ASSERT_NE(details, nullptr);
        EXPECT_GE(details->GetItemCount(), 2);
      }
      shown->EndModal(0);
    });
  }
  // The launches in the journal, as "program|parameters".
  static std::vector<std::wstring> Launches() {
    std::vector<std::wstring> out;
    for (const ce::JournalEntry& e : ce::ReadLaunchJournal())
      if (e.kind == "launch") out.push_back(e.program + L"|" + e.details);
    return out;
  }

  vorna::test::TempDeviceRoot root_;
  qzfc::Robot robot_;
  telhub::HostApp host_;
};

// Where a gallery picture goes: the README's docs/images when
// VORNA_UPDATE_GALLERY is set, the temporary folder otherwise.
inline std::filesystem::path GalleryFile(const std::string& name) {
  if (std::getenv("VORNA_UPDATE_GALLERY")) return std::filesystem::path(VORNA_SOURCE_DIR) / "docs/images" / name;
  return std::filesystem::path(::testing::TempDir()) / name;
}

}  // namespace apps::test
