// Received cards shown in one call: the same card as a file and as text
// shows the same contact, saving stores it with its groups in stored form,
// closing stores nothing, and a card that does not decode is reported.
#include <fstream>
#include <functional>
#include <string>

#include "ce/codepage.h"
#include "contactdata/VcardViewing.h"
#include "contactdata_helpers.h"
#include "contacts/details/UiListContactInfo.h"
#include "contacts/info/CContactInfoWnd.h"
#include "ui_fixture.h"

namespace {

using contactdata_test::ContactCount;

const std::wstring kCard =
    L"BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8:王;芳\r\nORG:星河公司\r\nTEL;CELL:13800138000\r\n"
    L"TEL;WORK:010-62345678\r\nEMAIL;INTERNET:wf@example.com\r\nCATEGORIES:黑名单,朋友\r\n"
    L"NOTE;ENCODING=QUOTED-PRINTABLE:=E7=AC=AC=E4=B8=80=E8=A1=8C\r\nEND:VCARD\r\n";

class VcardViewingTest : public vorna::test::LibraryUiTest {
 protected:
  CContactsDbIf* db() { return CContactsDbIf::GetContactDbIf(); }
  // What the window on the card shows, then the user's button.
  struct Shown {
    std::wstring title;
    std::wstring name;
    std::vector<std::wstring> rows;
  };
  void WhenShown(Shown& shown, int button, const char* screenshot = nullptr) {
    robot.WhenModalWaits([this, &shown, button, screenshot] {
      if (screenshot) {
        EXPECT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile(screenshot)));
      }
      auto* wnd = dynamic_cast<CContactInfoWnd*>(robot.Foreground());
      ASSERT_NE(wnd, nullptr);
      shown.title = wnd->GetWindowText();
      UiListContactInfo& list = *wnd->GetDetailsList();
      shown.name = list.GetContact().fileAs.str();
      for (int row = 0; row < list.GetItemCount(); ++row) shown.rows.push_back(list.GetRowValueText(row).str());
      TapButton(*robot.Find<UiToolBarPro>(CContactInfoWnd::kToolBarId), button);
    });
  }
};

TEST_F(VcardViewingTest, CardAsFileAndAsTextShowsTheSameContact) {
  std::filesystem::create_directories(root.path() / "tmpvcard");
  {
    std::ofstream file(root.path() / "tmpvcard" / "wf.vcf", std::ios::binary);
    std::string utf8(kCard.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, kCard.data(), static_cast<int>(kCard.size()), utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, nullptr));
    file << utf8;
  }
  Shown fromFile, fromText;
  WhenShown(fromFile, TOOLBAR_BUTTON_LEFT);
  FastProcessVcf(nullptr, L"\\tmpvcard\\wf.vcf");
  WhenShown(fromText, TOOLBAR_BUTTON_LEFT, "info_vcard.png");
  FastProcessVcfContent(nullptr, kCard.c_str());
  EXPECT_EQ(robot.PendingModalSteps(), 0u);

  EXPECT_EQ(fromFile.title, L"详情");
  EXPECT_EQ(fromFile.name, L"王芳");
  EXPECT_EQ(fromFile.rows, (std::vector<std::wstring>{L"星河公司", L"拨打手机", L"拨打工作", L"wf@example.com",
                                                      L"第一行", L"黑名单 朋友"}));
  EXPECT_EQ(fromText.name, fromFile.name);
  EXPECT_EQ(fromText.rows, fromFile.rows);
  EXPECT_EQ(ContactCount(), 0) << "closing with back stores nothing";
}

TEST_F(VcardViewingTest, SavedCardKeepsItsGroupsInStoredForm) {
  Shown shown;
  WhenShown(shown, TOOLBAR_BUTTON_RIGHT);
  FastProcessVcfContent(nullptr, kCard.c_str());
  ASSERT_EQ(ContactCount(), 1);
  const int id = db()->SearchPN(L"13800138000", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  ASSERT_GT(id, 0);
  CContactInfo stored;
  ASSERT_TRUE(db()->GetContactInfo(id, stored, true));
  EXPECT_EQ(stored.categories, (qzu::array<qzu::string>{contactdata_test::kBlacklist, L"朋友"}));
  EXPECT_TRUE(db()->IsContactInBlacklist(id));
  EXPECT_EQ(db()->GetGroupID(L"黑名单"), 0) << "no group stored under the displayed name";
  EXPECT_EQ(stored.note, L"第一行");
}

TEST_F(VcardViewingTest, CardThatDoesNotDecodeIsReportedAndStoresNothing) {
  for (const std::wstring& bad : {std::wstring(L"BEGIN:VCARD\r\nN:Li;Wei\r\n"), std::wstring(L"hello"),
                                  std::wstring(10 * 1024 * 1024, L'A'), std::wstring()}) {
    std::wstring shownBy;
    robot.WhenModalWaits([&] {
      shownBy = robot.Foreground()->GetQzClassName();
      UiWin* ok = robot.FindControl(QZ_MB_CONFIRM_ID);
      ASSERT_NE(ok, nullptr);
      TapIn(ok->GetWinRect());
    });
    FastProcessVcfContent(nullptr, bad.c_str());
    EXPECT_EQ(shownBy, L"QzMessageBox") << "a message says no card was found";
  }
  TapWhenModalWaits(QZ_MB_CONFIRM_ID);
  FastProcessVcf(nullptr, L"\\tmpvcard\\missing.vcf");
  EXPECT_EQ(robot.PendingModalSteps(), 0u);
  EXPECT_EQ(ContactCount(), 0);
}

}  // namespace
