// The call log as users see it: the README's pictures of the thread list,
// the missed calls, a contact's details with year lines and a stranger's
// details (docs/images/calllog_*.png).
#include "calllog_fixture.h"

namespace calllog_test {
namespace {

using vorna::test::DarkPixels;
using vorna::test::GalleryFile;

class CallLogGalleryTest : public CallLogTest {
 protected:
  void Seed() {
    const int year = ThisYear();
    const int ann = AddContact(L"林安妮", {{L"13800138000", 0}, {L"02087654321", 2}}, {L"家人"},
                               {{L"annie@example.com", 0}});
    CContactsDbIf::GetContactDbIf()->UpdateRingPath(ann, L"\\windows\\Rings\\Spring.wav");
    AddContact(L"Bob Clark", {{L"13131842958", 0}});
    AddCallAt(L"13800138000", CALL_TYPE_INCOMING, 95, LocalTime(year - 1, 11, 20, 19, 5));
    AddCallAt(L"13800138000", CALL_TYPE_OUTGOING, 612, LocalTime(year - 1, 12, 30, 9, 41));
    for (int i = 0; i < 4; ++i) AddCall(L"13800138000", i % 2 ? CALL_TYPE_MISSED : CALL_TYPE_OUTGOING, i % 2 ? 2 + i : 30 * i + 3, i);
    AddCall(L"13912345678", CALL_TYPE_MISSED, 4, 10);
    AddCall(L"075512345678", CALL_TYPE_REJECTED, 1, 11);
    AddCall(L"", CALL_TYPE_MISSED, 2, 12);
    AddCall(L"13131842958", CALL_TYPE_INCOMING, 3725, 13);
    AddCall(L"10086", CALL_TYPE_OUTGOING, 48, 14);
    AddCall(L"13612345678", CALL_TYPE_BLOCKED, 1, 15);
  }
};

TEST_F(CallLogGalleryTest, ThreadsMissedCallsAndDetails) {
  Seed();
  Reshow();
  ASSERT_EQ(Rows(), 8);
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("calllog_threads.png")));
  EXPECT_GT(DarkPixels(90, RowY(0) - 30, 300, 60), 100) << "the first thread's number";

  TapToolBar(TOOLBAR_BUTTON_LEFT);
  ASSERT_EQ(Rows(), 4);
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("calllog_missed.png")));
  TapToolBar(TOOLBAR_BUTTON_LEFT);

  TapRow(6);  // 林安妮, whose calls span two years
  ASSERT_EQ(Details().GetContactId() != 0, true);
  Details().ScrollTo(LIST_SCROLL_SHOW_ITEM, DetailsRowOf(CALL_INFO_HISTORY), FALSE);
  robot.Settle();
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("calllog_contact_details.png")));
  TapToolBar(TOOLBAR_BUTTON_LEFT);

  TapRow(4);  // a stranger's rejected call
  ASSERT_EQ(Details().GetContactId(), 0);
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("calllog_stranger_details.png")));
}

}  // namespace
}  // namespace calllog_test
