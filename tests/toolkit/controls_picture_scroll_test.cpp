// Pictures (loading, paint modes, edges) and the scrolling page of controls.
#include <memory>
#include <string>
#include <tuple>

#include "ce/modules.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/QzResources.h"
#include "qzfc/UiButton.h"
#include "qzfc/UiPicture.h"
#include "qzfc/UiPicture2.h"
#include "qzfc/UiScrollWin.h"
#include "test_images.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

// A 48 x 48 frame: an 8-pixel red border around a blue middle.
std::unique_ptr<ImagingHelper> FramePicture() {
  std::string svg =
      "<svg xmlns='http://www.w3.org/2000/svg' width='48' height='48'>"
      "<rect width='48' height='48' fill='#FF0000'/><rect x='8' y='8' width='32' height='32' fill='#0000FF'/></svg>";
  auto image = std::make_unique<ImagingHelper>();
  EXPECT_TRUE(image->LoadSvg(svg.data(), static_cast<UINT>(svg.size())));
  return image;
}

TEST_F(ControlsTest, PicturesKeepTheirEdgesWhenStretchedAndShowThePressedPicture) {
  auto frame = FramePicture();
  UiPicture picture;
  picture.SetPos(10, 40, 460, 160);
  picture.SetImage(frame.get());
  picture.SetPaintMode(PICTURE_PAINT_EDGES);
  picture.SetEdge(8, 8, 8, 8);
  Add(picture);
  const int y = 40 + 80;
  EXPECT_TRUE(Near(At(10 + 4, y), 0xFF0000));
  EXPECT_TRUE(Near(At(10 + 12, y), 0x0000FF)) << "a stretched border would reach 76 pixels in";
  EXPECT_TRUE(Near(At(10 + 460 - 4, y), 0xFF0000));
  EXPECT_TRUE(Near(At(240, 40 + 4), 0xFF0000));
  EXPECT_TRUE(Near(At(240, 40 + 160 - 12), 0x0000FF));

  // Stretched whole, the border scales with the picture.
  picture.SetPaintMode(PICTURE_PAINT_STRETCH);
  wnd.Invalidate(nullptr);
  EXPECT_TRUE(Near(At(10 + 40, y), 0xFF0000));

  // UiPicture2 fills its rectangle and shows its pressed picture while pressed.
  ImagingHelper blue;
  std::string svg = vorna::test::MakeSvg(4, 4, "#0000FF", "#0000FF");
  ASSERT_TRUE(blue.LoadSvg(svg.data(), static_cast<UINT>(svg.size())));
  UiPicture2 second;
  second.SetPos(0, 300, 96, 96);
  second.SetImage(frame.get(), &blue);
  Add(second);
  EXPECT_TRUE(Near(At(6, 306), 0xFF0000));
  robot.Press(48, 348 + top);
  EXPECT_TRUE(Near(At(6, 306), 0x0000FF));
  robot.Release(48, 348 + top);
  EXPECT_TRUE(Near(At(6, 306), 0xFF0000));
}

TEST_F(ControlsTest, LoadImageTakesPicturesFromAModuleByTypeAndId) {
  HMODULE module = GetQzResModuleHandle();
  ASSERT_NE(module, nullptr) << "the build's toolkit image module";
  UiPicture picture;
  EXPECT_TRUE(picture.LoadImageW(module, 10, 109, TRUE));
  ImagingHelper* shared = picture.GetImage();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared, ImagingHelper::GetImageObject(module, 10, 109, TRUE));
  // An object of its own, released by the picture (the sanitizer run checks).
  EXPECT_TRUE(picture.LoadImageW(module, 10, 109, FALSE));
  EXPECT_NE(picture.GetImage(), shared);
  EXPECT_FALSE(picture.LoadImageW(module, 10, 4242, FALSE));
  EXPECT_EQ(picture.GetImage(), nullptr);
  EXPECT_FALSE(picture.LoadImageW(nullptr, 10, 109, TRUE));
}

class ScrollWinTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    page.SetID(5);
    page.SetPos(0, 0, 480, 400);
    Add(page);
    for (int i = 0; i < 6; ++i) {
      buttons[i].SetID(10 + i);
      buttons[i].SetPos(20, 15 + 100 * i, 440, 80);  // content 595 pixels high
      buttons[i].SetButtonType(UIBUTTON_TYPE_PUSH);
      page.AddChild(&buttons[i]);
    }
    robot.Settle();
  }
  void Rest() { robot.Advance(3000); }
  UiScrollWin page;
  UiButton buttons[6];
};

TEST_F(ScrollWinTest, TapsReachTheChildUnderTheFinger) {
  Tap(240, 150);
  EXPECT_EQ(TakeCommands(), (Commands{{11, MAKELPARAM(240, 150)}}));
  Tap(240, 100);  // between two children
  EXPECT_TRUE(TakeCommands().empty());
  EXPECT_EQ(page.GetContentHeight(), 595);
  EXPECT_EQ(robot.Find<UiButton>(13), &buttons[3]) << "the robot finds children of a page";
}

TEST_F(ScrollWinTest, DraggingScrollsWithinTheContentAndIsNoTap) {
  Drag(240, 350, 240, 250, 2000);  // slow: no fling
  EXPECT_EQ(page.GetScrollPos(), 100);
  EXPECT_FALSE(page.IsScrolling());
  EXPECT_TRUE(TakeCommands().empty()) << "the drag began on a child";
  EXPECT_EQ(buttons[0].GetTop(), 15 - 100);
  Tap(240, 150);  // now the third child lies there
  EXPECT_EQ(TakeCommands(), (Commands{{12, MAKELPARAM(240, 150)}}));

  // Pulled beyond either end, the page follows half as far and springs back.
  for (auto [from, to, pulled, rest] : {std::tuple{380, 20, 195 + (460 - 195) / 2, 195}, std::tuple{20, 390, (195 - 370) / 2, 0}}) {
    robot.Press(240, from + top);
    robot.MoveTo(240, to + top);
    EXPECT_EQ(page.GetScrollPos(), pulled);
    robot.Advance(500);  // the finger rests, so the release flings nothing
    robot.Release(240, to + top);
    Rest();
    EXPECT_EQ(page.GetScrollPos(), rest);
  }
  EXPECT_EQ(buttons[0].GetTop(), 15);
}

TEST_F(ScrollWinTest, AFlingGoesOnAfterTheFingerAndAPressStopsIt) {
  Drag(240, 350, 240, 300, 50, 5);
  robot.Advance(32);
  const int early = page.GetScrollPos();
  EXPECT_GT(early, 50) << "the page goes on moving after the finger lifted";
  EXPECT_TRUE(page.IsScrolling());
  // A press on the moving page stops it and taps nothing.
  Tap(240, 150);
  EXPECT_FALSE(page.IsScrolling());
  const int stopped = page.GetScrollPos();
  Rest();
  EXPECT_EQ(page.GetScrollPos(), stopped);
  EXPECT_TRUE(TakeCommands().empty());
  // A fling stops at the end of the content.
  robot.Swipe(240, 380 + top, 240, 20 + top);
  Rest();
  EXPECT_EQ(page.GetScrollPos(), 595 - 400);
  // SetScrollPos and hiding stop the motion where they put the page.
  robot.Swipe(240, 20 + top, 240, 380 + top);
  page.SetScrollPos(40);
  Rest();
  EXPECT_EQ(page.GetScrollPos(), 40);
  robot.Swipe(240, 20 + top, 240, 380 + top);
  page.SetVisible(FALSE);
  EXPECT_FALSE(page.IsScrolling());
}

TEST_F(ScrollWinTest, EnsureVisibleRemovalAndFocusKeepToThePage) {
  page.EnsureVisible(&buttons[5]);
  EXPECT_EQ(page.GetScrollPos(), 595 - 400);
  page.EnsureVisible(&buttons[0]);
  EXPECT_EQ(page.GetScrollPos(), 15) << "its top at the page's top";
  page.SetScrollPos(150);
  ASSERT_TRUE(page.RemoveChild(&buttons[5]));
  EXPECT_EQ(buttons[5].GetTop(), 515) << "back where it was placed";
  EXPECT_EQ(page.GetScrollPos(), 495 - 400) << "the shorter content scrolls less far";
  EXPECT_EQ(buttons[4].GetTop(), 415 - 95);
  EXPECT_FALSE(page.RemoveChild(&buttons[5]));
  EXPECT_FALSE(page.AddChild(&buttons[0]));
  page.SetScrollPos(10000);
  EXPECT_EQ(page.GetScrollPos(), 495 - 400);
  // A page that fits does not scroll.
  page.SetPos(0, 0, 480, 700);
  EXPECT_EQ(page.GetScrollPos(), 0);
  Drag(240, 350, 240, 250);
  EXPECT_EQ(page.GetScrollPos(), 0);

  // Taking the focus from the page takes it from its child.
  buttons[2].SetFocus(TRUE);
  EXPECT_TRUE(page.HasFocus());
  page.SetFocus(FALSE);
  EXPECT_EQ(wnd.GetFocusUi(), nullptr);
  buttons[2].SetFocus(TRUE);
  page.SetVisible(FALSE);  // a hidden page keeps no focused field
  EXPECT_FALSE(page.HasFocus());
  Tap(240, 150);
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(ScrollWinTest, AChildLeavingThePageLeavesTheWindowNoFocusOrCapture) {
  buttons[1].SetFocus(TRUE);
  ASSERT_TRUE(page.RemoveChild(&buttons[1]));
  EXPECT_EQ(wnd.GetFocusUi(), nullptr) << "keys must not go to a control off the page";
  {
    // A destroyed control that still names the window as its owner.
    UiButton gone;
    page.AddChild(&gone);
    ASSERT_TRUE(page.RemoveChild(&gone));
    gone.SetFocus(TRUE);
    gone.SetCapture();
  }
  EXPECT_EQ(wnd.GetFocusUi(), nullptr);
  EXPECT_EQ(wnd.GetCaptureUi(), nullptr);
  Tap(240, 250);
  EXPECT_EQ(TakeCommands(), (Commands{{12, MAKELPARAM(240, 250)}}));
}

}  // namespace
}  // namespace qzfc::test
