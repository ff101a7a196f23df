// GDI over Cairo: DCs, bitmaps, blits, alpha blending and text.
#include "ce/gdi.h"

#include <gtest/gtest.h>

#include "pixels.h"
#include "qzfc/FontHelper.h"

namespace {

using qzfc::test::BitmapPixel;
using qzfc::test::CountPixels;

// A memory DC with a bitmap of its own, cleaned up at the end of a test.
struct Canvas {
  Canvas(int w, int h) : dc(CreateCompatibleDC(nullptr)), bmp(CreateCompatibleBitmap(dc, w, h)) {
    old = SelectObject(dc, bmp);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  // The pixel as 0x00RRGGBB.
  uint32_t Pixel(int x, int y) { return BitmapPixel(bmp, x, y); }
  void Fill(const RECT& rc, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &rc, b);
    DeleteObject(b);
  }
  // Pixels in the rectangle that differ from the colour 0x00RRGGBB.
  int CountNot(const RECT& rc, uint32_t rgb) {
    return CountPixels(CeGetBitmapSurface(bmp), rc, [&](uint32_t p) { return p != rgb; });
  }
  HDC dc;
  HBITMAP bmp;
  HGDIOBJ old;
};

TEST(Gdi, FillAndBitBltCopyBlocksAtOffsetsAlsoWithinOneDc) {
  Canvas src(20, 20), dst(40, 40);
  src.Fill(RECT{0, 0, 20, 20}, RGB(255, 0, 0));
  src.Fill(RECT{10, 10, 20, 20}, RGB(0, 0, 255));
  dst.Fill(RECT{0, 0, 40, 40}, RGB(255, 255, 255));
  ASSERT_TRUE(BitBlt(dst.dc, 5, 5, 10, 10, src.dc, 10, 10, SRCCOPY));
  EXPECT_EQ(dst.CountNot(RECT{5, 5, 15, 15}, 0x0000FF), 0);  // the blue from (10,10) of the source
  EXPECT_EQ(dst.CountNot(RECT{0, 0, 40, 40}, 0xFFFFFF), 100) << "nothing outside the copied block";
  EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 10, 10, src.dc, 0, 0, 0x00EE0086 /* SRCPAINT */));

  // Within one DC an overlapping block moves whole.
  dst.Fill(RECT{0, 0, 30, 10}, RGB(0, 255, 0));
  ASSERT_TRUE(BitBlt(dst.dc, 5, 0, 20, 10, dst.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(dst.CountNot(RECT{0, 0, 25, 10}, 0x00FF00), 0);
}

TEST(Gdi, AlphaBlendUsesPerPixelAndConstantAlpha) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = 2;
  bi.bmiHeader.biHeight = -1;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_TRUE(dib);
  ASSERT_TRUE(bits);
  auto* px = static_cast<uint32_t*>(bits);
  px[0] = 0xFF000000;  // opaque black
  px[1] = 0x00000000;  // fully transparent
  cairo_surface_mark_dirty(CeGetBitmapSurface(dib));
  HDC src = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(src, dib);

  Canvas dst(2, 1);
  dst.Fill(RECT{0, 0, 2, 1}, RGB(255, 255, 255));
  BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(AlphaBlend(dst.dc, 0, 0, 2, 1, src, 0, 0, 2, 1, bf));
  EXPECT_EQ(dst.Pixel(0, 0), 0x000000u);
  EXPECT_EQ(dst.Pixel(1, 0), 0xFFFFFFu);  // transparent source leaves white

  dst.Fill(RECT{0, 0, 2, 1}, RGB(255, 255, 255));
  bf.SourceConstantAlpha = 128;
  ASSERT_TRUE(AlphaBlend(dst.dc, 0, 0, 2, 1, src, 0, 0, 2, 1, bf));
  uint32_t half = dst.Pixel(0, 0) & 0xFF;
  EXPECT_NEAR(static_cast<int>(half), 127, 2);

  SelectObject(src, old);
  DeleteDC(src);
  DeleteObject(dib);
}

TEST(Gdi, BadHandlesAndSizesFailCleanly) {
  size_t before = ce::GdiObjectCount();
  EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(0x7777)));
  EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(0x7777)));
  EXPECT_EQ(CeGetCairo(reinterpret_cast<HDC>(0x7777)), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 0, 10), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr);
  EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
  RECT rc{0, 0, 10, 10};
  EXPECT_EQ(DrawTextW(reinterpret_cast<HDC>(0x7777), L"x", -1, &rc, 0), 0);
  // A brush is not a DC and a DC is not a bitmap.
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(brush)));
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(DeleteObject(dc));
  EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(dc)), nullptr);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteObject(GetStockObject(WHITE_BRUSH)));  // stock objects stay
  EXPECT_EQ(ce::GdiObjectCount(), before);
}

TEST(Gdi, DrawTextMeasuresSingleLineWrappedAndEllipsis) {
  Canvas c(480, 200);
  SelectObject(c.dc, FontHelper::GetFont(27, 400, 0, 0, 0, 0));
  RECT calc{0, 0, 1000, 0};
  int h = DrawTextW(c.dc, L"13800138000", -1, &calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_GT(h, 20);
  EXPECT_LT(h, 50);
  EXPECT_EQ(calc.bottom, h);
  int width = calc.right;
  EXPECT_GT(width, 100);

  // Word wrap: a long text in a narrow rectangle takes several lines.
  RECT wrap{0, 0, 150, 0};
  int wrapped =
      DrawTextW(c.dc, L"one two three four five six seven", -1, &wrap, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
  EXPECT_GE(wrapped, 3 * h - 6);
  EXPECT_EQ(wrap.right, 150);

  // End ellipsis keeps the text inside the rectangle.
  c.Fill(RECT{0, 0, 480, 200}, RGB(255, 255, 255));
  SetBkMode(c.dc, TRANSPARENT);
  SetTextColor(c.dc, RGB(0, 0, 0));
  RECT box{10, 10, 10 + width / 2, 60};
  DrawTextW(c.dc, L"13800138000", -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  EXPECT_GT(c.CountNot(box, 0xFFFFFF), 20);
  EXPECT_EQ(c.CountNot(RECT{box.right, 0, 480, 200}, 0xFFFFFF), 0);
}

TEST(Gdi, DrawTextCentresVerticallyAndHorizontally) {
  Canvas c(200, 100);
  c.Fill(RECT{0, 0, 200, 100}, RGB(255, 255, 255));
  SelectObject(c.dc, FontHelper::GetFont(20, 400, 0, 0, 0, 0));
  SetBkMode(c.dc, TRANSPARENT);
  RECT rc{0, 0, 200, 100};
  DrawTextW(c.dc, L"MMM", -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  // Ink only in the middle band, none near the edges.
  EXPECT_EQ(c.CountNot(RECT{0, 0, 200, 30}, 0xFFFFFF), 0);
  EXPECT_EQ(c.CountNot(RECT{0, 70, 200, 100}, 0xFFFFFF), 0);
  EXPECT_EQ(c.CountNot(RECT{0, 0, 60, 100}, 0xFFFFFF), 0);
  EXPECT_EQ(c.CountNot(RECT{140, 0, 200, 100}, 0xFFFFFF), 0);
  EXPECT_GT(c.CountNot(RECT{60, 30, 140, 70}, 0xFFFFFF), 30);

  // Text laid out for wrapping is centred as well.
  c.Fill(RECT{0, 0, 200, 100}, RGB(255, 255, 255));
  RECT wrapped{0, 0, 200, 100};
  DrawTextW(c.dc, L"MMM", -1, &wrapped, DT_WORDBREAK | DT_CENTER);
  EXPECT_EQ(c.CountNot(RECT{0, 0, 60, 100}, 0xFFFFFF), 0);
  EXPECT_EQ(c.CountNot(RECT{140, 0, 200, 100}, 0xFFFFFF), 0);
  EXPECT_GT(c.CountNot(RECT{60, 0, 140, 100}, 0xFFFFFF), 30);
}

TEST(Gdi, TextKeepsAmpersandsAndSurvivesBadCodePoints) {
  Canvas c(300, 50);
  SelectObject(c.dc, FontHelper::GetFont(20, 400, 0, 0, 0, 0));
  SIZE plain{}, amp{};
  ASSERT_TRUE(GetTextExtentPoint32W(c.dc, L"AB", 2, &plain));
  ASSERT_TRUE(GetTextExtentPoint32W(c.dc, L"A&B", 3, &amp));
  EXPECT_GT(amp.cx, plain.cx);
  const wchar_t bad[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x7FFFFFFF), L'b', 0};
  RECT rc{0, 0, 300, 50};
  EXPECT_GT(DrawTextW(c.dc, bad, -1, &rc, DT_SINGLELINE), 0);
}

}  // namespace
