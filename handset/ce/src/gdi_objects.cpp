// The GDI handle table and the objects: bitmaps, fonts, brushes.
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "ce/utf8.h"
#include "gdi_internal.h"

namespace ce::gdi {
namespace {

struct Table {
  std::mutex mutex;
  std::unordered_map<uintptr_t, std::unique_ptr<Object>> objects;
  uintptr_t next = 0x1000;
};

Table& table() {
  static Table* t = new Table;  // outlives static destructors that release DCs
  return *t;
}

// Handle values stay below 2^31 so they fit the 32-bit records handles travel in.
constexpr uintptr_t kHandleLimit = 0x7FFFFFFF;

std::string FontKey(const LOGFONTW& lf) {
  return std::to_string(lf.lfHeight) + ":" + std::to_string(lf.lfWeight) + ":" +
         std::to_string(lf.lfItalic) + ":" + ToUtf8(lf.lfFaceName, -1);
}

}  // namespace

HANDLE Insert(std::unique_ptr<Object> obj) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  if (t.next >= kHandleLimit) return nullptr;
  uintptr_t h = t.next++;
  t.objects.emplace(h, std::move(obj));
  return reinterpret_cast<HANDLE>(h);
}

Object* Find(HANDLE h, Kind kind) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  auto it = t.objects.find(reinterpret_cast<uintptr_t>(h));
  if (it == t.objects.end() || it->second->kind != kind) return nullptr;
  return it->second.get();
}

std::unique_ptr<Object> Remove(HANDLE h, Kind kind) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  auto it = t.objects.find(reinterpret_cast<uintptr_t>(h));
  if (it == t.objects.end() || it->second->kind != kind || it->second->stock) return nullptr;
  std::unique_ptr<Object> obj = std::move(it->second);
  t.objects.erase(it);
  return obj;
}

Font::Font(const LOGFONTW& lf) : Object(Kind::Font), logfont(lf) {
  logfont.lfFaceName[LF_FACESIZE - 1] = 0;
  desc = pango_font_description_new();
  std::string family = ToUtf8(logfont.lfFaceName, -1);
  pango_font_description_set_family(desc, family.empty() ? "WenQuanYi Micro Hei" : family.c_str());
  // Heights are pixel heights; a negative height (character height) is taken as its size.
  LONG px = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  if (px == 0) px = 20;
  if (px > 1000) px = 1000;
  pango_font_description_set_absolute_size(desc, px * PANGO_SCALE);
  int weight = lf.lfWeight <= 0 ? 400 : lf.lfWeight > 1000 ? 1000 : lf.lfWeight;
  pango_font_description_set_weight(desc, static_cast<PangoWeight>(weight));
  if (lf.lfItalic) pango_font_description_set_style(desc, PANGO_STYLE_ITALIC);
  key = FontKey(logfont);
}

Font* DcFont(Dc* dc) {
  if (Font* f = FindFont(dc->font)) return f;
  return FindFont(GetStockObject(SYSTEM_FONT));
}

std::string ToUtf8(const wchar_t* text, int count) {
  if (!text) return {};
  return ce::ToUtf8(count < 0 ? std::wstring_view(text) : std::wstring_view(text, count));
}

}  // namespace ce::gdi

using namespace ce::gdi;

namespace {

// Bitmaps are limited to a size a handset screen could use many times over,
// so a bad size asks for no unbounded allocation.
constexpr int kMaxBitmapSide = 8192;

HBITMAP NewBitmap(cairo_format_t format, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return nullptr;
  cairo_surface_t* s = cairo_image_surface_create(format, width, height);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return nullptr;
  }
  return static_cast<HBITMAP>(Insert(std::make_unique<Bitmap>(s)));
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  // Opaque like a screen: a fresh bitmap is black.
  return NewBitmap(CAIRO_FORMAT_RGB24, width, height);
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
  if (bits) *bits = nullptr;
  if (!info || info->bmiHeader.biBitCount != 32 || info->bmiHeader.biCompression != BI_RGB ||
      section)
    return nullptr;
  LONG h = info->bmiHeader.biHeight;
  if (h == INT32_MIN) return nullptr;
  HBITMAP bmp = NewBitmap(CAIRO_FORMAT_ARGB32, info->bmiHeader.biWidth, h < 0 ? -h : h);
  if (bmp && bits) {
    cairo_surface_t* s = CeGetBitmapSurface(bmp);
    cairo_surface_flush(s);
    *bits = cairo_image_surface_get_data(s);
  }
  return bmp;
}

HBRUSH CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(Insert(std::make_unique<Brush>(color & 0xFFFFFF)));
}

HFONT CreateFontIndirectW(const LOGFONTW* lf) {
  if (!lf) return nullptr;
  return static_cast<HFONT>(Insert(std::make_unique<Font>(*lf)));
}

HGDIOBJ GetStockObject(int which) {
  static HGDIOBJ white, black, null, font;
  static std::once_flag once;
  std::call_once(once, [] {
    auto stock = [](std::unique_ptr<Object> o) {
      o->stock = true;
      return Insert(std::move(o));
    };
    white = stock(std::make_unique<Brush>(0xFFFFFF));
    black = stock(std::make_unique<Brush>(0));
    null = stock(std::make_unique<Brush>(0, true));
    LOGFONTW lf{};
    lf.lfHeight = 20;
    lf.lfWeight = FW_NORMAL;
    font = stock(std::make_unique<Font>(lf));
  });
  switch (which) {
    case WHITE_BRUSH: return white;
    case BLACK_BRUSH: return black;
    case NULL_BRUSH: return null;
    case SYSTEM_FONT: return font;
    default: return nullptr;
  }
}

BOOL DeleteObject(HGDIOBJ obj) {
  // A bitmap still selected into a DC stays alive there: the DC holds its own
  // reference to the pixels.
  for (Kind k : {Kind::Bitmap, Kind::Font, Kind::Brush})
    if (Remove(obj, k)) return TRUE;
  return FALSE;
}

int GetObjectW(HGDIOBJ obj, int size, LPVOID out) {
  if (Bitmap* b = FindBitmap(obj)) {
    if (!out) return sizeof(BITMAP);
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP bm{};
    bm.bmWidth = cairo_image_surface_get_width(b->surface);
    bm.bmHeight = cairo_image_surface_get_height(b->surface);
    bm.bmWidthBytes = cairo_image_surface_get_stride(b->surface);
    bm.bmPlanes = 1;
    bm.bmBitsPixel = 32;
    bm.bmBits = cairo_image_surface_get_data(b->surface);
    std::memcpy(out, &bm, sizeof bm);
    return sizeof bm;
  }
  if (Font* f = FindFont(obj)) {
    if (!out) return sizeof(LOGFONTW);
    if (size < static_cast<int>(sizeof(LOGFONTW))) return 0;
    std::memcpy(out, &f->logfont, sizeof(LOGFONTW));
    return sizeof(LOGFONTW);
  }
  return 0;
}

HBITMAP CeCreateBitmapFromSurface(cairo_surface_t* surface) {
  if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return nullptr;
  return static_cast<HBITMAP>(Insert(std::make_unique<Bitmap>(cairo_surface_reference(surface))));
}

cairo_surface_t* CeGetBitmapSurface(HBITMAP bitmap) {
  Bitmap* b = FindBitmap(bitmap);
  return b ? b->surface : nullptr;
}

size_t ce::GdiObjectCount() {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  size_t n = 0;
  for (auto& [h, o] : t.objects)
    if (!o->stock) ++n;
  return n;
}
