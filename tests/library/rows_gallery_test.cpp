// Every kind of detail row, drawn normal on one screen and pressed on the
// next, as the lists show them. The test checks what the picture must show
// and saves both screens side by side: the README's picture of the rows
// (docs/images/rows.png).
#include "core/module/Resources.h"
#include "core/rows/RowDrawing.h"
#include "ui_fixture.h"

namespace vorna::test {
namespace {

// Where each row starts on the screen's window: the header, then 82-pixel rows.
constexpr int kHeaderTop = 0, kCaptionTop = 186, kLabelValueTop = kCaptionTop + 82,
              kLabelValueButtonTop = kLabelValueTop + 82, kNumberTop = kLabelValueButtonTop + 82,
              kPushButtonTop = kNumberTop + 82, kMultiLineTop = kPushButtonTop + 82;

const char kPortrait[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="160" height="160">
  <defs><linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#F6D7B0"/><stop offset="1" stop-color="#E9A66B"/></linearGradient></defs>
  <rect width="160" height="160" fill="url(#bg)"/>
  <circle cx="80" cy="66" r="30" fill="#7A4A2A"/>
  <path d="M24 160c6-40 28-52 56-52s50 12 56 52z" fill="#3C6E91"/>
</svg>)svg";

// Draws each row kind; page 1 draws them pressed.
class RowsWnd : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"RowsWnd"; }
  BOOL OnInitDialog() override {
    if (!CQzWndEx::OnInitDialog()) return FALSE;
    portrait.LoadSvg(kPortrait, sizeof kPortrait - 1);
    return TRUE;
  }
  void ShowPage(int number) {
    page = number;
    SetWindowText(page ? L"Rows, pressed" : L"Rows");
    Invalidate();
  }
  void PaintWin(HDC dc, const RECT& rcUpdate) override {
    CQzWndEx::PaintWin(dc, rcUpdate);
    const bool pressed = page == 1;
    if (pressed)
      DrawHeaderRow(Row(kHeaderTop, 186), dc, nullptr, L"Wang Fang", L"Star River Ltd", L"", nullptr,
                    HEADER_ROW_EDITOR);
    else
      DrawHeaderRow(Row(kHeaderTop, 186), dc, &portrait, L"Wang Fang", L"Star River Ltd", nullptr,
                    L"Beijing, China Mobile", HEADER_ROW_DETAILS);
    DrawCaptionRow(Row(kCaptionTop), dc, Image(pressed ? 367 : 366), nullptr, LoadResString(745), pressed);
    DrawLabelValueRow(Row(kLabelValueTop), dc, Image(pressed ? 358 : 359),
                      ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(), pressed ? 326 : 152, TRUE),
                      LoadResString(607), L"Morning Bell", pressed);
    DrawLabelValueButtonRow(Row(kLabelValueButtonTop), dc, Image(310), Image(pressed ? 369 : 368),
                            LoadResString(608), L"wang.fang@example.com", pressed ? 1 : -1);
    CQzStringW call = LoadResString(833);
    call += LoadResString(614);
    DrawNumberRow(Row(kNumberTop), dc, Image(370), Image(300), L"138 0013 8000", call, pressed ? 1 : -1);
    DrawPushButtonRow(Row(kPushButtonTop), dc, LoadResString(651), LoadResString(661), pressed ? 1 : -1);
    DrawMultiLineRow(Row(kMultiLineTop, MultiLineHeight()), dc, Image(pressed ? 303 : 304), Image(368),
                     LoadResString(610), kAddress, pressed ? 0 : -1, MULTI_LINE_DRAW, MULTI_LINE_RIGHT_BUTTON);
    for (int top : {kCaptionTop, kLabelValueTop, kLabelValueButtonTop, kNumberTop, kPushButtonTop, kMultiLineTop})
      QzDrawGridLine(dc, 0, top - 1, GetWidth(), top - 1, QZ_GRIDLINE_NORMAL);
    const int end = kMultiLineTop + MultiLineHeight() - 1;
    QzDrawGridLine(dc, 0, end, GetWidth(), end, QZ_GRIDLINE_NORMAL);
  }
  static int MultiLineHeight() {
    return DrawMultiLineRow(RECT{0, 0, 480, 0}, nullptr, nullptr, nullptr, nullptr, kAddress, -1,
                            MULTI_LINE_MEASURE, MULTI_LINE_RIGHT_BUTTON);
  }

  static constexpr const wchar_t* kAddress = L"北京市海淀区中关村大街27号中关村大厦12层1205室";
  int page = 0;
  ImagingHelper portrait;

 private:
  RECT Row(int top, int height = 82) const { return RECT{0, top, GetWidth(), top + height}; }
  static ImagingHelper* Image(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }
};

using RowsGalleryTest = LibraryUiTest;

TEST_F(RowsGalleryTest, EveryRowKindNormalAndPressed) {
  RowsWnd wnd;
  Open(wnd);
  ASSERT_LE(kMultiLineTop + RowsWnd::MultiLineHeight(), 720) << "every row fits on one screen";
  // Both pages side by side, with a gap between them.
  constexpr int kPressedLeft = qzfc::Screen::kWidth + 24;
  cairo_surface_t* both = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPressedLeft + qzfc::Screen::kWidth,
                                                     qzfc::Screen::kHeight);
  cairo_t* cr = cairo_create(both);
  cairo_set_source_rgb(cr, 0.85, 0.86, 0.88);
  cairo_paint(cr);
  for (int page : {0, 1}) {
    wnd.ShowPage(page);
    robot.Settle();
    cairo_surface_flush(qzfc::Screen::Get().Surface());
    cairo_set_source_surface(cr, qzfc::Screen::Get().Surface(), page * kPressedLeft, 0);
    cairo_paint(cr);
  }
  cairo_destroy(cr);
  EXPECT_EQ(cairo_surface_write_to_png(both, GalleryFile("rows.png").c_str()), CAIRO_STATUS_SUCCESS);

  auto normal = [&](int x, int rowTop) { return SurfacePixel(both, x, kScreenTop + rowTop + 2); };
  auto pressed = [&](int x, int rowTop) { return SurfacePixel(both, kPressedLeft + x, kScreenTop + rowTop + 2); };
  const COLORREF white = RGB(255, 255, 255);
  for (int top : {kCaptionTop, kLabelValueTop, kNumberTop, kMultiLineTop}) {
    EXPECT_EQ(normal(300, top), white) << "row at " << top;
    EXPECT_NE(pressed(300, top), white) << "pressed row at " << top;
  }
  bool arrow = false;  // the toolkit's disclosure arrow ends at x = 465
  for (int x = 440; x < 465; ++x) arrow = arrow || normal(x, kLabelValueTop + 39) != white;
  EXPECT_TRUE(arrow);
  EXPECT_NE(normal(97, kHeaderTop + 60), pressed(97, kHeaderTop + 60)) << "the photo against the placeholder";
  const int secondButton = (480 - 454) / 2 + 234 + 110;
  EXPECT_NE(normal(secondButton, kPushButtonTop + 30), pressed(secondButton, kPushButtonTop + 30));
  EXPECT_EQ(normal(120, kPushButtonTop + 30), pressed(120, kPushButtonTop + 30)) << "the first stays up";
  cairo_surface_destroy(both);
}

}  // namespace
}  // namespace vorna::test
