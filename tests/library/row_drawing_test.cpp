// Row drawing: where texts land, which parts look pressed, and how high a
// multi-line row measures. Rows are drawn into a memory DC on white.
#include <functional>
#include <string>

#include "core/rows/RowDrawing.h"
#include "ui_fixture.h"

namespace vorna::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

bool IsPainted(COLORREF c) { return c != kWhite; }
bool IsBlack(COLORREF c) { return GetRValue(c) < 0x40 && GetGValue(c) < 0x40 && GetBValue(c) < 0x40; }
// The pressed text colour (0x643200) and its anti-aliased edges: clearly blue.
bool IsBlue(COLORREF c) { return GetBValue(c) > GetRValue(c) + 0x30; }

class Canvas {
 public:
  explicit Canvas(int height = 82) : dc_(480, height) {
    RECT all{0, 0, 480, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return SurfacePixel(CeGetBitmapSurface(dc_.GetBitmap()), x, y); }
  // Whether any pixel of the rectangle passes the test.
  bool Any(const RECT& rc, const std::function<bool(COLORREF)>& test) const {
    for (int y = rc.top; y < rc.bottom; ++y)
      for (int x = rc.left; x < rc.right; ++x)
        if (test(At(x, y))) return true;
    return false;
  }
  // The first (or the last) pixel row of the rectangle with a pixel that passes, or -1.
  int EdgeRow(const RECT& rc, const std::function<bool(COLORREF)>& test, bool last = false) const {
    for (int i = 0; i < rc.bottom - rc.top; ++i) {
      const int y = last ? rc.bottom - 1 - i : rc.top + i;
      if (Any(RECT{rc.left, y, rc.right, y + 1}, test)) return y;
    }
    return -1;
  }

 private:
  MemoryDC dc_;
};

const RECT kRow{0, 0, 480, 82};
const RECT kMainTexts{90, 5, 364, 77};
// A first line too long for the row: it ends in an ellipsis at its right edge.
const wchar_t kLong[] = L"138 0013 8000, 139 1234 5678, 137 0000 1111";

TEST(RowDrawing, HeaderWithoutLine1DrawsTheNameAndLine4ThirtyPixelsHigher) {
  TempDeviceRoot root;
  Canvas with(186), without(186);
  const RECT header{0, 0, 480, 186};
  DrawHeaderRow(header, with.dc(), nullptr, L"Wang Fang", L"Star River Ltd", nullptr, L"Beijing", HEADER_ROW_DETAILS);
  DrawHeaderRow(header, without.dc(), nullptr, L"Wang Fang", L"Star River Ltd", nullptr, L"", HEADER_ROW_DETAILS);
  const RECT texts{200, 0, 430, 186};
  int nameWith = with.EdgeRow(texts, IsBlack), nameWithout = without.EdgeRow(texts, IsBlack);
  ASSERT_GT(nameWith, 90);
  EXPECT_EQ(nameWith - nameWithout, 30);
  // Line 4 (grey) is the lowest text of both.
  EXPECT_EQ(with.EdgeRow(texts, IsPainted, true) - without.EdgeRow(texts, IsPainted, true), 30);
}

TEST(RowDrawing, PressedPartsOfButtonRows) {
  TempDeviceRoot root;
  struct Case {
    const char* row;
    int part;
    bool mainPressed;
    bool buttonPressed;
  };
  const Case cases[] = {
      {"number", -1, false, false}, {"number", 0, false, false}, {"number", 1, true, true},
      {"number", 2, false, true},   {"label-value-button", -1, false, false},
      {"label-value-button", 0, true, true}, {"label-value-button", 1, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << " part " << c.part);
    Canvas canvas;
    if (std::string(c.row) == "number")
      DrawNumberRow(kRow, canvas.dc(), nullptr, nullptr, kLong, L"Mobile", c.part);
    else
      DrawLabelValueButtonRow(kRow, canvas.dc(), nullptr, nullptr, kLong, L"ann@example.com", c.part);
    EXPECT_EQ(canvas.At(300, 2) != kWhite, c.mainPressed) << "the main part's background";
    EXPECT_EQ(canvas.At(440, 2) != kWhite, c.buttonPressed) << "the button area's background";
    EXPECT_EQ(canvas.At(440, 81), kWhite) << "the pressed look stops above the grid line";
    EXPECT_EQ(canvas.Any(kMainTexts, IsBlue), c.mainPressed) << "texts turn blue with the main part";
    EXPECT_EQ(canvas.Any(kMainTexts, IsBlack), !c.mainPressed);
    const COLORREF background = canvas.At(300, 2);
    EXPECT_TRUE(canvas.Any(RECT{330, 5, 364, 40}, [&](COLORREF p) { return p != background; }));
    EXPECT_FALSE(canvas.Any(RECT{364, 5, 372, 77}, [&](COLORREF p) { return p != background; }))
        << "texts end 116 pixels before the right edge";
  }
}

TEST(RowDrawing, EmptyLabelDrawsNothingAndLeavesTheValueInPlace) {
  TempDeviceRoot root;
  Canvas both, valueOnly;
  DrawLabelValueRow(kRow, both.dc(), nullptr, nullptr, L"Ring tone", L"Bell", FALSE);
  DrawLabelValueRow(kRow, valueOnly.dc(), nullptr, nullptr, L"", L"Bell", FALSE);
  EXPECT_TRUE(both.Any(RECT{90, 5, 470, 45}, IsBlack));
  EXPECT_FALSE(valueOnly.Any(RECT{90, 0, 470, 45}, IsPainted));
  for (int y = 45; y < 82; ++y)
    for (int x = 90; x < 470; ++x) ASSERT_EQ(both.At(x, y), valueOnly.At(x, y)) << x << "," << y;
}

TEST(RowDrawing, PushButtonsAreCentredInTheRow) {
  TempDeviceRoot root;
  auto edges = [](const Canvas& c) {
    std::vector<int> xs;  // where the middle pixel row changes between white and not
    bool inside = false;
    for (int x = 0; x < 480; ++x) {
      bool painted = IsPainted(c.At(x, 41));
      if (painted != inside) xs.push_back(x);
      inside = painted;
    }
    return xs;
  };
  Canvas one, two;
  DrawPushButtonRow(kRow, one.dc(), L"More", nullptr, 0);
  // An empty second label still makes two buttons; only none makes one.
  DrawPushButtonRow(kRow, two.dc(), L"", L"", 1);
  EXPECT_EQ(edges(one), (std::vector<int>{76, 76 + 327}));
  EXPECT_EQ(edges(two), (std::vector<int>{13, 13 + 220, 13 + 234, 13 + 454}));
  EXPECT_EQ(two.EdgeRow(RECT{20, 0, 21, 82}, IsPainted), (82 - 51) / 2);
}

TEST(RowDrawing, MultiLineRowMeasuresItsTextHeightPlus52AtLeast82) {
  TempDeviceRoot root;
  auto measure = [](LPCWSTR text, MULTI_LINE_RIGHT right) {
    return DrawMultiLineRow(RECT{0, 0, 480, 0}, nullptr, nullptr, nullptr, L"Address", text, -1, MULTI_LINE_MEASURE,
                            right);
  };
  EXPECT_EQ(measure(L"", MULTI_LINE_RIGHT_IMAGE), 82);
  EXPECT_EQ(measure(nullptr, MULTI_LINE_RIGHT_BUTTON), 82);
  EXPECT_EQ(measure(L"Short", MULTI_LINE_RIGHT_IMAGE), 82);
  int three = measure(L"1\n2\n3", MULTI_LINE_RIGHT_IMAGE);
  int six = measure(L"1\n2\n3\n4\n5\n6", MULTI_LINE_RIGHT_IMAGE);
  EXPECT_GT(three, 82);
  // Line heights are fractional: three lines may round one pixel apart.
  EXPECT_NEAR(six - three, three - 52, 1) << "three lines and 52 pixels";
  // A paragraph wraps at the text's right edge: sooner beside a button area.
  std::wstring paragraph;
  for (int i = 0; i < 12; ++i) paragraph += L"Zhongguancun Street ";
  EXPECT_GT(measure(paragraph.c_str(), MULTI_LINE_RIGHT_BUTTON), measure(paragraph.c_str(), MULTI_LINE_RIGHT_IMAGE));
}

}  // namespace
}  // namespace vorna::test
