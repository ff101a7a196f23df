// Geometry of the drawing helpers: grid lines, the three-part stretch, the
// text formats of the list rows, pressed backgrounds and button faces.
#include <gtest/gtest.h>

#include "qzfc/FontHelper.h"
#include "qzfc/MemoryDC.h"
#include "qzfc/QzDraw.h"
#include "pixels.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

uint32_t Pixel(const MemoryDC& m, int x, int y) { return BitmapPixel(m.GetBitmap(), x, y); }

// The bounding box of the pixels that are not white; {w, h, -1, -1} when all are.
Edges InkBox(const MemoryDC& m) {
  cairo_surface_t* s = CeGetBitmapSurface(m.GetBitmap());
  cairo_surface_flush(s);
  Edges box{m.GetWidth(), m.GetHeight(), -1, -1};
  for (int y = 0; y < m.GetHeight(); ++y)
    for (int x = 0; x < m.GetWidth(); ++x)
      if (RawPixel(s, x, y) != kWhite) box = {std::min<LONG>(box[0], x), std::min<LONG>(box[1], y),
                                              std::max<LONG>(box[2], x + 1), std::max<LONG>(box[3], y + 1)};
  return box;
}

TEST(DrawHelpers, GridLinesCoverExactlyTheirPixels) {
  for (int style : {525, 526, 532}) {
    MemoryDC m(100, 100);
    FillSolid(m, RECT{0, 0, 100, 100}, RGB(255, 255, 255));
    QzDrawGridLine(m, 373, 0, 373, 0, style);  // outside: nothing
    QzDrawGridLine(m, 40, 10, 40, 72, style);  // vertical, top + 10 to bottom - 10 of an 82 row
    EXPECT_EQ(InkBox(m), (Edges{40, 10, 41, 72}));
    QzDrawGridLine(m, 5, 90, 95, 90, style);
    EXPECT_EQ(InkBox(m), (Edges{5, 10, 95, 91}));
  }
  MemoryDC m(50, 50);
  FillSolid(m, RECT{0, 0, 50, 50}, RGB(255, 255, 255));
  QzDrawGridLine(m, 0, 0, 40, 40, 525);  // not a grid line
  EXPECT_EQ(InkBox(m), (Edges{50, 50, -1, -1}));
  // The pressed styles look different from the plain one.
  MemoryDC n(3, 10);
  QzDrawGridLine(n, 0, 0, 0, 10, 525);
  QzDrawGridLine(n, 1, 0, 1, 10, 526);
  QzDrawGridLine(n, 2, 0, 2, 10, 532);
  EXPECT_NE(Pixel(n, 0, 5), Pixel(n, 1, 5));
}

TEST(DrawHelpers, ThreePartStretchKeepsTheEndsAndStretchesTheMiddle) {
  // Source: 20 red rows, 70 green, 10 blue.
  MemoryDC src(10, 100);
  FillSolid(src, RECT{0, 0, 10, 20}, RGB(255, 0, 0));
  FillSolid(src, RECT{0, 20, 10, 90}, RGB(0, 255, 0));
  FillSolid(src, RECT{0, 90, 10, 100}, RGB(0, 0, 255));
  MemoryDC dst(10, 300);
  FillSolid(dst, RECT{0, 0, 10, 300}, RGB(255, 255, 255));
  ASSERT_TRUE(QzBlt_V(dst, RECT{0, 50, 10, 250}, src, RECT{0, 0, 10, 100}, 0, 20, 10, FALSE));
  // (row, colour): the ends keep their 20 and 10 rows.
  for (auto [y, colour] : {std::pair{49, kWhite}, {50, 0xFF0000u}, {69, 0xFF0000u}, {71, 0x00FF00u},
                           {238, 0x00FF00u}, {240, 0x0000FFu}, {249, 0x0000FFu}, {250, kWhite}})
    EXPECT_EQ(Pixel(dst, 5, y), colour) << "row " << y;

  // Lower than both ends: the ends share the height in proportion (2 : 1).
  FillSolid(dst, RECT{0, 0, 10, 300}, RGB(255, 255, 255));
  ASSERT_TRUE(QzBlt_V(dst, RECT{0, 0, 10, 15}, src, RECT{0, 0, 10, 100}, 0, 20, 10, FALSE));
  for (auto [y, colour] : {std::pair{0, 0xFF0000u}, {8, 0xFF0000u}, {11, 0x0000FFu}, {15, kWhite}})
    EXPECT_EQ(Pixel(dst, 5, y), colour) << "row " << y;

  EXPECT_FALSE(QzBlt_V(dst, RECT{0, 0, 0, 15}, src, RECT{0, 0, 10, 100}, 0, 20, 10, FALSE));
  EXPECT_FALSE(QzBlt_V(dst, RECT{0, 0, 10, 15}, static_cast<ImagingHelper*>(nullptr), RECT{0, 0, 10, 100}, 0, 20,
                       10, TRUE));
}

TEST(DrawHelpers, RowTextFormatsPlaceTheText) {
  MemoryDC m(480, 82);
  SelectObject(m, FontHelper::GetFont(27, 400, 0, 0, 0, 0));
  SetBkMode(m, TRANSPARENT);
  // 0xA024: one line, vertically centred, cut with an ellipsis at right - 116.
  FillSolid(m, RECT{0, 0, 480, 82}, RGB(255, 255, 255));
  QzDrawText(m, L"A very long contact name that does not fit the row", RECT{90, 0, 364, 82}, 0xA024);
  Edges box = InkBox(m);
  EXPECT_GE(box[0], 90);
  EXPECT_LE(box[2], 364);
  EXPECT_GT(box[2], 300);  // the line is filled up to the ellipsis
  EXPECT_GT(box[1], 20);
  EXPECT_LT(box[3], 62);
  // 0xA020: top-aligned. (Centring and wrapping are DrawTextW's, tested with GDI.)
  FillSolid(m, RECT{0, 0, 480, 82}, RGB(255, 255, 255));
  QzDrawText(m, L"Top", RECT{90, 45, 470, 77}, 0xA020);
  box = InkBox(m);
  EXPECT_GE(box[1], 45);
  EXPECT_LT(box[1], 55);
  // An empty or missing text draws nothing.
  FillSolid(m, RECT{0, 0, 480, 82}, RGB(255, 255, 255));
  EXPECT_EQ(QzDrawText(m, L"", RECT{0, 0, 480, 82}, 0xA024), 0);
  EXPECT_EQ(QzDrawText(m, nullptr, RECT{0, 0, 480, 82}, 0xA024), 0);
  EXPECT_EQ(InkBox(m), (Edges{480, 82, -1, -1}));
}

TEST(DrawHelpers, PressedBackgroundAndButtonFaceStayInTheirRectangles) {
  MemoryDC m(480, 100);
  FillSolid(m, RECT{0, 0, 480, 100}, RGB(255, 255, 255));
  QzDrawSelectedBg_NoLine(m, RECT{374, 0, 480, 81});
  EXPECT_EQ(InkBox(m), (Edges{374, 0, 480, 81}));
  FillSolid(m, RECT{0, 0, 480, 100}, RGB(255, 255, 255));
  QzDrawControl(m, RECT{76, 15, 403, 66}, QZ_FACE_PUSHBUTTON, FALSE);
  EXPECT_EQ(InkBox(m), (Edges{76, 15, 403, 66}));
  uint32_t normal = Pixel(m, 240, 40);
  QzDrawControl(m, RECT{76, 15, 403, 66}, QZ_FACE_PUSHBUTTON, TRUE);
  EXPECT_NE(Pixel(m, 240, 40), normal);
}

}  // namespace
}  // namespace qzfc::test
