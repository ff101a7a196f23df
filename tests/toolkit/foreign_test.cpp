// Messages posted by another process reach the window's loop in order.
#include <gtest/gtest.h>

#include "window_fixture.h"

namespace qzfc::test {
namespace {

using ForeignTest = ToolkitTest;

class ListeningWnd : public RecordingWnd {
 public:
  LPCWSTR GetQzClassName() override { return L"ForeignListener"; }
};

TEST_F(ForeignTest, PostsFromASecondProcessArriveInOrder) {
  ListeningWnd wnd;
  Open(wnd);
  wnd.events.clear();
  auto helper = vorna::test::BuiltProgramsDir() / "toolkit_post_helper";
  ASSERT_EQ(vorna::test::RunProgram(helper, {root.path().string(), "ForeignListener", "0x404", "5"}), 0);
  // The messages wait in the socket; the loop takes them in when it looks.
  for (int i = 0; i < 50 && wnd.events.size() < 5; ++i) robot.WaitForForeignMessage(100);
  ASSERT_EQ(wnd.events.size(), 5u);
  for (WPARAM i = 0; i < 5; ++i) {
    EXPECT_EQ(wnd.events[i].what, "user");
    EXPECT_EQ(wnd.events[i].w, 0x404u);
    EXPECT_EQ(wnd.events[i].l, static_cast<LPARAM>(i));
  }
  EXPECT_EQ(vorna::test::RunProgram(helper, {root.path().string(), "NoSuchWindow", "0x404", "1"}), 1);
}

}  // namespace
}  // namespace qzfc::test
