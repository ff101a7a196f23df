// The picker choosing numbers with a group open, the README's picture of it
// (docs/images/picker_group.png).
#include "picker_fixture.h"

namespace picker_test {
namespace {

using vorna::test::DarkPixels;

TEST_F(PickerTest, GalleryNumbersOfAnOpenGroupTwoTicked) {
  AddContact(L"张伟", {{L"13800138000", 0}, {L"010-65529988", 2}}, {L"同事"});
  AddContact(L"Anna Berg", {{L"13912345678", 0}}, {L"同事", L"朋友"});
  AddContact(L"李娜", {{L"13600001111", 1}}, {L"同事"});
  AddContact(L"王芳", {{L"13700002222", 0}}, {L"朋友"});
  AddContact(L"赵磊", {{L"15800003333", 0}});
  Run(SELECT_PHONE_NUMBERS, [&] {
    TapRow(0);  // 同事
    TickRow(3);  // Anna Berg (rows keep their indexes: three group rows come first)
    TickRow(5);  // 张伟's mobile
    EXPECT_GT(DarkPixels(0, kScreenTop, 480, 82), 100) << "the first member's row";
    EXPECT_EQ(DarkPixels(0, kScreenTop + 5 * 82, 430, 82), 0) << "nothing below the four members";
    EXPECT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("picker_group.png")));
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  EXPECT_EQ(Chosen(), (std::vector<std::wstring>{L"Anna Berg 13912345678", L"张伟 13800138000"}));
}

}  // namespace
}  // namespace picker_test
