// GDI over Cairo: DCs, bitmaps, blits, alpha blending and text.
#include "ce/gdi.h"

#include <gtest/gtest.h>

#include "pixels.h"
#include "qzfc/FontHelper.h"
#include "qzfc/MemoryDC.h"

namespace {

using qzfc::test::BitmapPixel;
using qzfc::test::CountOther;
using qzfc::test::FillSolid;

// Pixels of the DC's bitmap in the rectangle that are not `rgb`.
int CountNot(const MemoryDC& m, const RECT& rc, uint32_t rgb) { return CountOther(m.GetBitmap(), rc, rgb); }

TEST(Gdi, FillAndBitBltCopyBlocksAtOffsetsAlsoWithinOneDc) {
  MemoryDC src(20, 20), dst(40, 40);
  FillSolid(src, RECT{0, 0, 20, 20}, RGB(255, 0, 0));
  FillSolid(src, RECT{10, 10, 20, 20}, RGB(0, 0, 255));
  FillSolid(dst, RECT{0, 0, 40, 40}, RGB(255, 255, 255));
  ASSERT_TRUE(BitBlt(dst, 5, 5, 10, 10, src, 10, 10, SRCCOPY));
  EXPECT_EQ(CountNot(dst, RECT{5, 5, 15, 15}, 0x0000FF), 0);  // the blue from (10,10) of the source
  EXPECT_EQ(CountNot(dst, RECT{0, 0, 40, 40}, 0xFFFFFF), 100) << "nothing outside the copied block";
  EXPECT_FALSE(BitBlt(dst, 0, 0, 10, 10, src, 0, 0, 0x00EE0086 /* SRCPAINT */));

  // Within one DC an overlapping block moves whole.
  FillSolid(dst, RECT{0, 0, 30, 10}, RGB(0, 255, 0));
  ASSERT_TRUE(BitBlt(dst, 5, 0, 20, 10, dst, 0, 0, SRCCOPY));
  EXPECT_EQ(CountNot(dst, RECT{0, 0, 25, 10}, 0x00FF00), 0);
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

  MemoryDC dst(2, 1);
  FillSolid(dst, RECT{0, 0, 2, 1}, RGB(255, 255, 255));
  BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(AlphaBlend(dst, 0, 0, 2, 1, src, 0, 0, 2, 1, bf));
  EXPECT_EQ(BitmapPixel(dst.GetBitmap(), 0, 0), 0x000000u);
  EXPECT_EQ(BitmapPixel(dst.GetBitmap(), 1, 0), 0xFFFFFFu);  // transparent source leaves white

  FillSolid(dst, RECT{0, 0, 2, 1}, RGB(255, 255, 255));
  bf.SourceConstantAlpha = 128;
  ASSERT_TRUE(AlphaBlend(dst, 0, 0, 2, 1, src, 0, 0, 2, 1, bf));
  uint32_t half = BitmapPixel(dst.GetBitmap(), 0, 0) & 0xFF;
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

TEST(Gdi, DrawTextMeasuresWrapsCutsAndCentres) {
  MemoryDC c(480, 200);
  SelectObject(c, FontHelper::GetFont(27, 400, 0, 0, 0, 0));
  RECT calc{0, 0, 1000, 0};
  int h = DrawTextW(c, L"13800138000", -1, &calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_GT(h, 20);
  EXPECT_LT(h, 50);
  EXPECT_EQ(calc.bottom, h);
  int width = calc.right;
  EXPECT_GT(width, 100);

  // Word wrap: a long text in a narrow rectangle takes several lines.
  RECT wrap{0, 0, 150, 0};
  int wrapped =
      DrawTextW(c, L"one two three four five six seven", -1, &wrap, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
  EXPECT_GE(wrapped, 3 * h - 6);
  EXPECT_EQ(wrap.right, 150);

  // End ellipsis keeps the text inside the rectangle.
  FillSolid(c, RECT{0, 0, 480, 200}, RGB(255, 255, 255));
  SetBkMode(c, TRANSPARENT);
  SetTextColor(c, RGB(0, 0, 0));
  RECT box{10, 10, 10 + width / 2, 60};
  DrawTextW(c, L"13800138000", -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  EXPECT_GT(CountNot(c, box, 0xFFFFFF), 20);
  EXPECT_EQ(CountNot(c, RECT{box.right, 0, 480, 200}, 0xFFFFFF), 0);

  // Centred both ways, and centred when laid out for wrapping: ink only in
  // the middle band, none near the edges.
  SelectObject(c, FontHelper::GetFont(20, 400, 0, 0, 0, 0));
  for (bool wordBreak : {false, true}) {
    SCOPED_TRACE(wordBreak ? "wrapped" : "single line");
    FillSolid(c, RECT{0, 0, 480, 200}, RGB(255, 255, 255));
    RECT rc{0, 0, 200, 100};
    DrawTextW(c, L"MMM", -1, &rc, wordBreak ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EXPECT_EQ(CountNot(c, RECT{0, 0, 60, 100}, 0xFFFFFF), 0);
    EXPECT_EQ(CountNot(c, RECT{140, 0, 200, 100}, 0xFFFFFF), 0);
    EXPECT_GT(CountNot(c, RECT{60, wordBreak ? 0 : 30, 140, wordBreak ? 100 : 70}, 0xFFFFFF), 30);
    if (!wordBreak) {
      EXPECT_EQ(CountNot(c, RECT{0, 0, 200, 30}, 0xFFFFFF), 0);
      EXPECT_EQ(CountNot(c, RECT{0, 70, 200, 100}, 0xFFFFFF), 0);
    }
  }
}

TEST(Gdi, TextKeepsAmpersandsAndSurvivesBadCodePoints) {
  MemoryDC c(300, 50);
  SelectObject(c, FontHelper::GetFont(20, 400, 0, 0, 0, 0));
  SIZE plain{}, amp{};
  ASSERT_TRUE(GetTextExtentPoint32W(c, L"AB", 2, &plain));
  ASSERT_TRUE(GetTextExtentPoint32W(c, L"A&B", 3, &amp));
  EXPECT_GT(amp.cx, plain.cx);
  const wchar_t bad[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x7FFFFFFF), L'b', 0};
  RECT rc{0, 0, 300, 50};
  EXPECT_GT(DrawTextW(c, bad, -1, &rc, DT_SINGLELINE), 0);
}

}  // namespace
