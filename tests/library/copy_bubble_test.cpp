// The copy bubble over a held row: how it is placed, how it ends, and what
// reaches the clipboard.
#include <future>
#include <optional>
#include <thread>

#include "ce/clipboard.h"
#include "core/popup/Clipboard.h"
#include "core/popup/CopyBubble.h"
#include "core/popup/PopUpMessageWnd.h"
#include "ui_fixture.h"

namespace vorna::test {
namespace {

constexpr int kRowHeight = 82;

// A details window: a list of numbers over a 70-pixel tool bar; a long press
// on a row runs the copy bubble.
class DetailsWnd : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"DetailsWnd"; }
  BOOL OnInitDialog() override {
    if (!CQzWndEx::OnInitDialog()) return FALSE;
    list.SetID(1);
    list.SetPos(0, 0, GetWidth(), GetHeight() - 70);
    list.EnableNotifyMessage(TRUE);
    list.EnablePressedHoldSupport(TRUE, 500);
    for (int i = 0; i < 10; ++i) list.AddItem((L"138 0013 800" + std::to_wstring(i)).c_str());
    AddUiWin(&list);
    return TRUE;
  }
  LRESULT QzDefWndProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg != QZ_WM_LIST_HOLD) return CQzWndEx::QzDefWndProc(msg, w, l);
    int row = LOWORD(l);
    results.push_back(RunCopyBubble(*this, list, copyMode, row, list.GetItem(row)->text.c_str(), threshold));
    return 0;
  }

  UiList list;
  bool copyMode = false;
  int threshold = kCopyBubbleThresholdCallLog;
  std::vector<int> results;
};

class CopyBubbleTest : public LibraryUiTest {
 protected:
  void SetUp() override { Open(wnd); }

  // Screen y of the middle of a row as the list shows it now.
  int RowMiddle(int row) { return kScreenTop + wnd.list.CalcItemTopPos(row) + kRowHeight / 2; }
  CPopUpMessageWnd* Bubble() { return dynamic_cast<CPopUpMessageWnd*>(robot.Foreground()); }
  // Holds a row and, once the bubble waits, looks at it, lifts the finger
  // and taps at the given screen point.
  void HoldAndTap(int row, const std::function<void(CPopUpMessageWnd&)>& look, int tapX, int tapY) {
    const int y = RowMiddle(row);
    robot.WhenModalWaits([&, y] {
      ASSERT_NE(Bubble(), nullptr) << "the bubble is the foreground window";
      look(*Bubble());
      robot.Release(240, y);
    });
    robot.WhenModalWaits([&] { robot.Tap(tapX, tapY); });
    robot.Hold(240, y);
    EXPECT_EQ(robot.PendingModalSteps(), 0u) << "the bubble ended before the tap";
  }

  DetailsWnd wnd;
};

TEST_F(CopyBubbleTest, CopyButtonCopiesTheRowTextAndShowsItsPressedLook) {
  const int labelX = 206;  // inside the label bubble, left of its text
  size_t gdiObjects = 0;
  for (int row : {4, 5}) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    wnd.results.clear();
    const int buttonY = kScreenTop + row * kRowHeight - 49 + 27;
    COLORREF normal = 0, pressed = 0;
    robot.WhenModalWaits([&] {
      normal = ScreenPixel(labelX, buttonY);
      robot.Release(240, RowMiddle(row));
    });
    robot.WhenModalWaits([&] {
      robot.Press(240, buttonY);
      ASSERT_NE(Bubble(), nullptr);
      EXPECT_TRUE(Bubble()->IsPressed());
      pressed = ScreenPixel(labelX, buttonY);
      robot.Release(240, buttonY);
    });
    robot.Hold(240, RowMiddle(row));
    EXPECT_EQ(wnd.results, std::vector<int>{COPY_BUBBLE_COPIED});
    EXPECT_EQ(ClipboardText(), L"138 0013 800" + std::to_wstring(row));
    EXPECT_EQ(normal, RGB(0x2B, 0x34, 0x40)) << "the dark label bubble";
    EXPECT_EQ(pressed, RGB(0x2F, 0x7D, 0xE1)) << "the label in the accent colour while pressed";
    // The first round fills the font cache; the second must give back every
    // bitmap and DC it made (the snapshot, the pressed look's bitmap).
    if (gdiObjects) {
      EXPECT_EQ(ce::GdiObjectCount(), gdiObjects);
    }
    gdiObjects = ce::GdiObjectCount();
  }
}

// A row whose top is above the threshold scrolls down to top at 55 instead;
// a band reaching into the tool bar ends at the window's height - 65. The
// first release is ignored, and a tap beside the button (the first case taps
// the held row itself, under the bubble) dismisses it.
TEST_F(CopyBubbleTest, WhereTheBubbleGoesAndATapBesideTheButtonDismissesIt) {
  ASSERT_TRUE(CopyTextToClipboard(L"before"));
  struct Case {
    int threshold, row, rowTop;
    int bandBottom;  // 0: no bubble, the list scrolls
  };
  const Case cases[] = {
      {kCopyBubbleThresholdCallLog, 3, 246, 347},         {kCopyBubbleThresholdCallLog, 2, 54, 0},
      {kCopyBubbleThresholdCallLog, 2, 55, 55 + 82 + 19}, {kCopyBubbleThresholdContacts, 2, 59, 0},
      {kCopyBubbleThresholdContacts, 2, 60, 60 + 82 + 19}, {kCopyBubbleThresholdCallLog, 7, 720 - 70 - 82, 720 - 70 + 19},
      {kCopyBubbleThresholdCallLog, 7, 720 - 69 - 82, 720 - 65 + 19},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "threshold " << c.threshold << ", row " << c.row << " at " << c.rowTop);
    wnd.results.clear();
    wnd.threshold = c.threshold;
    wnd.list.SetTopPos(c.rowTop - c.row * kRowHeight);
    ASSERT_EQ(wnd.list.CalcItemTopPos(c.row), c.rowTop);
    if (c.bandBottom) {
      RECT band{};
      auto look = [&](CPopUpMessageWnd& bubble) {
        band = bubble.GetBand();
        EXPECT_TRUE(wnd.copyMode) << "the row draws plainly while the bubble is open";
        UiWin* button = robot.FindControl(&bubble, CPopUpMessageWnd::kCopyButtonId);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->IsVisible());
        EXPECT_EQ(button->GetTop(), c.rowTop - 49);
        EXPECT_EQ(button->GetHeight(), 55);
        EXPECT_STREQ(button->GetText(), L"复制");
      };
      HoldAndTap(c.row, look, 240, &c == cases ? RowMiddle(c.row) : kScreenTop + 700);
      EXPECT_EQ(band.top, c.rowTop - 49);
      EXPECT_EQ(band.right, 480);
      EXPECT_EQ(band.bottom, c.bandBottom);
      EXPECT_EQ(wnd.results, std::vector<int>{COPY_BUBBLE_DISMISSED});
      EXPECT_EQ(robot.Foreground(), &wnd);
    } else {
      const int y = RowMiddle(c.row);
      robot.Hold(240, y);
      // The finger stays until the list has moved: lifting it stops the list.
      robot.Advance(1000);
      robot.Release(240, y);
      EXPECT_EQ(wnd.results, std::vector<int>{COPY_BUBBLE_SCROLLED});
      EXPECT_EQ(wnd.list.CalcItemTopPos(c.row), 55);
    }
    EXPECT_FALSE(wnd.copyMode);
  }
  EXPECT_EQ(ClipboardText(), L"before");
}

TEST(CopyTextToClipboard, EmptyTextClearsAndABusyClipboardIsLeftAsItWas) {
  TempDeviceRoot root;
  for (const wchar_t* text : {L"王芳 138 0013 8000", L"", L"x", static_cast<const wchar_t*>(nullptr)}) {
    EXPECT_TRUE(CopyTextToClipboard(text));
    EXPECT_EQ(ClipboardText(), text && *text ? std::optional<std::wstring>(text) : std::nullopt);
  }
  ASSERT_TRUE(CopyTextToClipboard(L"kept"));
  std::promise<void> opened, done;
  std::thread holder([&] {
    bool ok = OpenClipboard(nullptr);
    opened.set_value();
    done.get_future().wait();
    if (ok) CloseClipboard();
  });
  opened.get_future().wait();
  EXPECT_FALSE(CopyTextToClipboard(L"lost"));
  done.set_value();
  holder.join();
  EXPECT_EQ(ClipboardText(), L"kept");
}

}  // namespace
}  // namespace vorna::test
