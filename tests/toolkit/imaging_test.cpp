#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <utility>

#include "ce/gdi.h"
#include "qzfc/ImagingHelper.h"
#include "test_images.h"

namespace {

using vorna::test::MakeJpeg;
using vorna::test::MakePng;
using vorna::test::MakeSvg;
using vorna::test::Near;
using vorna::test::PixelAt;
using vorna::test::Rgb;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 160, 0};

// A transparent canvas to draw on.
struct Canvas {
  Canvas(int width, int height)
      : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr(cairo_create(surface)) {}
  ~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  uint32_t At(int x, int y) { return PixelAt(surface, x, y); }
  // Each probe's pixel is near its colour, or untouched where it has none.
  struct Probe {
    int x, y;
    std::optional<Rgb> colour;
  };
  void Expect(std::initializer_list<Probe> probes) {
    for (const Probe& p : probes) {
      if (p.colour) EXPECT_TRUE(Near(At(p.x, p.y), *p.colour)) << p.x << ", " << p.y;
      else EXPECT_EQ(At(p.x, p.y), 0u) << p.x << ", " << p.y;
    }
  }
  cairo_surface_t* surface;
  cairo_t* cr;
};

BOOL Load(ImagingHelper& image, const std::vector<unsigned char>& bytes, BOOL fitScreen = FALSE) {
  return image.LoadFromBuffer(bytes.data(), static_cast<UINT>(bytes.size()), TRUE, fitScreen, TRUE);
}

BOOL LoadSvg(ImagingHelper& image, const std::string& svg) {
  return image.LoadSvg(svg.data(), static_cast<UINT>(svg.size()));
}

std::pair<int, int> Size(const ImagingHelper& image) { return {image.GetWidth(), image.GetHeight()}; }

TEST(ImagingPhoto, DecodesPngAndJpegFromBytesEvenWithBytesAfterTheEnd) {
  ImagingHelper png;
  ASSERT_TRUE(Load(png, MakePng(40, 30, kRed, kBlue)));
  EXPECT_EQ(Size(png), std::pair(40, 30));

  // Unstretched: own size, centred in the rectangle, nothing outside it.
  Canvas canvas(100, 100);
  RECT rect{0, 0, 100, 100};
  ASSERT_TRUE(png.DrawOnCairo(canvas.cr, &rect, FALSE, FALSE));
  canvas.Expect({{31, 36, kRed}, {68, 63, kBlue}, {29, 50, {}}, {50, 34, {}}});

  ImagingHelper jpeg;
  ASSERT_TRUE(Load(jpeg, MakeJpeg(64, 48, kGreen, kRed)));
  EXPECT_EQ(Size(jpeg), std::pair(64, 48));
  Canvas small(64, 48);
  RECT all{0, 0, 64, 48};
  ASSERT_TRUE(jpeg.DrawOnCairo(small.cr, &all, TRUE, TRUE));
  small.Expect({{10, 20, kGreen}, {54, 20, kRed}});

  // Bytes after the end of the picture are ignored.
  for (std::vector<unsigned char> bytes : {MakeJpeg(16, 16, kRed, kBlue), MakePng(16, 16, kRed, kBlue)}) {
    bytes.insert(bytes.end(), {0, 1, 2, 0xFF, 0xD8});
    ImagingHelper image;
    EXPECT_TRUE(Load(image, bytes));
  }
}

TEST(ImagingPhoto, RefusesBadBytesAndLeavesTheObjectEmpty) {
  std::vector<unsigned char> jpeg = MakeJpeg(64, 48, kGreen, kRed);
  std::vector<unsigned char> png = MakePng(40, 30, kRed, kBlue);
  std::string svg = MakeSvg(10, 10, "red", "blue");
  const unsigned char gif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00,"
                              "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
  struct Case {
    const char* name;
    const void* data;
    size_t length;
  } cases[] = {
      {"null", nullptr, 100},
      {"empty", jpeg.data(), 0},
      {"truncated jpeg", jpeg.data(), jpeg.size() / 2},
      {"truncated png", png.data(), png.size() - 20},
      {"jpeg without its end marker", jpeg.data(), jpeg.size() - 2},
      {"png without its end chunk", png.data(), png.size() - 12},
      {"header only", jpeg.data(), 3},
      {"svg bytes", svg.data(), svg.size()},
      {"gif, a format that is not a photo here", gif, sizeof gif - 1},
      {"text", "hello", 5},
  };
  for (const Case& c : cases) {
    ImagingHelper image;
    ASSERT_TRUE(Load(image, png));
    EXPECT_FALSE(image.LoadFromBuffer(c.data, static_cast<UINT>(c.length), TRUE, TRUE, TRUE)) << c.name;
    EXPECT_FALSE(image.IsLoaded()) << c.name;
    EXPECT_EQ(Size(image), std::pair(0, 0)) << c.name;
    Canvas canvas(10, 10);
    RECT rect{0, 0, 10, 10};
    EXPECT_FALSE(image.DrawOnCairo(canvas.cr, &rect, TRUE, TRUE)) << c.name;
    EXPECT_EQ(canvas.At(5, 5), 0u) << c.name;
  }
}

TEST(ImagingPhoto, LargePicturesAreBounded) {
  ImagingHelper fitted;
  ASSERT_TRUE(Load(fitted, MakePng(2000, 1000, kRed, kBlue), TRUE));
  EXPECT_EQ(Size(fitted), std::pair(480, 240));
  ImagingHelper wide;
  ASSERT_TRUE(Load(wide, MakeJpeg(8192, 16, kRed, kBlue), FALSE));
  EXPECT_EQ(Size(wide), std::pair(4096, 8));
}

TEST(ImagingDraw, StretchModes) {
  ImagingHelper image;
  ASSERT_TRUE(LoadSvg(image, MakeSvg(40, 20, "#ff0000", "#0000ff")));
  EXPECT_EQ(Size(image), std::pair(40, 20));

  // Stretched: the rectangle exactly, aspect ratio ignored. Drawn through a
  // device context, whose Cairo context the picture uses.
  Canvas stretched(120, 120);
  RECT inner{20, 20, 100, 100};
  HDC dc = CeCreateDCForSurface(stretched.surface);
  ASSERT_TRUE(image.Draw(dc, inner, TRUE, FALSE));
  DeleteDC(dc);
  stretched.Expect({{22, 98, kRed}, {97, 22, kBlue}, {19, 50, {}}, {50, 101, {}}});

  // Covering: scaled evenly to 160 x 80, centred, cut to the rectangle.
  Canvas covered(120, 120);
  ASSERT_TRUE(image.DrawOnCairo(covered.cr, &inner, TRUE, TRUE));
  covered.Expect({{30, 60, kRed}, {90, 60, kBlue}, {10, 60, {}}, {110, 60, {}}});

  RECT empty{10, 10, 10, 50};
  EXPECT_FALSE(image.DrawOnCairo(covered.cr, &empty, TRUE, FALSE));
  RECT huge{INT32_MIN, 0, INT32_MAX, 10};
  EXPECT_FALSE(image.DrawOnCairo(covered.cr, &huge, TRUE, FALSE));
  RECT sliver{0, 0, 1, 2000};  // covering it would need a 4000 x 2000 picture
  EXPECT_FALSE(image.DrawOnCairo(covered.cr, &sliver, TRUE, TRUE));
  EXPECT_TRUE(image.DrawOnCairo(covered.cr, &sliver, TRUE, FALSE));
  EXPECT_FALSE(image.DrawOnCairo(covered.cr, nullptr, TRUE, FALSE));
  EXPECT_FALSE(image.DrawOnCairo(nullptr, &inner, TRUE, FALSE));
  EXPECT_FALSE(image.Draw(nullptr, &inner, TRUE, FALSE));
}

TEST(ImagingSvg, RefusesDocumentsWithoutAUsableSize) {
  ImagingHelper image;
  EXPECT_FALSE(LoadSvg(image, "<svg xmlns='http://www.w3.org/2000/svg'><rect width='5' height='5'/></svg>"));
  EXPECT_FALSE(LoadSvg(image, MakeSvg(100000, 10, "red", "blue")));
  EXPECT_FALSE(image.LoadSvg(nullptr, 10));
  EXPECT_TRUE(LoadSvg(image, "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 30 12'/>"));
  EXPECT_EQ(Size(image), std::pair(30, 12));
  image.Unload();
  EXPECT_FALSE(image.IsLoaded());
  EXPECT_EQ(Size(image), std::pair(0, 0));
}

}  // namespace
