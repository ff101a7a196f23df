// Device contexts: window and memory DCs, selection and DC state.
#include <atomic>

#include "gdi_internal.h"

namespace ce::gdi {

Dc::Dc(cairo_surface_t* target, bool isMemory) : Object(Kind::Dc), memory(isMemory) {
  Retarget(target);
}

Dc::~Dc() {
  if (cr) cairo_destroy(cr);
}

void Dc::Retarget(cairo_surface_t* target) {
  if (cr) cairo_destroy(cr);
  cr = cairo_create(target);
}

}  // namespace ce::gdi

using namespace ce::gdi;

namespace {

std::atomic<ce::WindowDcProvider> g_provider{nullptr};

cairo_surface_t* OnePixel() {
  static cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  return s;
}

}  // namespace

void ce::SetWindowDcProvider(WindowDcProvider provider) { g_provider = provider; }

HDC GetDC(HWND hwnd) {
  ce::WindowDcProvider p = g_provider;
  return p ? p(hwnd) : nullptr;
}

int ReleaseDC(HWND hwnd, HDC hdc) { return DeleteDC(hdc) ? 1 : 0; }

HDC CeCreateDCForSurface(cairo_surface_t* surface) {
  if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return nullptr;
  return static_cast<HDC>(Insert(std::make_unique<Dc>(surface, false)));
}

HDC CreateCompatibleDC(HDC hdc) {
  return static_cast<HDC>(Insert(std::make_unique<Dc>(OnePixel(), true)));
}

BOOL DeleteDC(HDC hdc) { return Remove(hdc, Kind::Dc) ? TRUE : FALSE; }

cairo_t* CeGetCairo(HDC hdc) {
  Dc* dc = FindDc(hdc);
  return dc ? dc->cr : nullptr;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
  Dc* dc = FindDc(hdc);
  if (!dc || !obj) return nullptr;
  if (Bitmap* b = FindBitmap(obj)) {
    // Only memory DCs take bitmaps; the first selection returns a stand-in
    // for the DC's original 1 x 1 bitmap, which selecting back restores.
    if (!dc->memory) return nullptr;
    HGDIOBJ old = dc->bitmap;
    dc->bitmap = static_cast<HBITMAP>(obj);
    dc->Retarget(b->surface);
    if (!old) {
      static HGDIOBJ original = [] {
        HGDIOBJ h = CeCreateBitmapFromSurface(OnePixel());
        if (Object* o = Find(h, Kind::Bitmap)) o->stock = true;
        return h;
      }();
      old = original;
    }
    return old;
  }
  if (FindFont(obj)) {
    HGDIOBJ old = dc->font ? dc->font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    dc->font = static_cast<HFONT>(obj);
    return old;
  }
  if (FindBrush(obj)) {
    HGDIOBJ old = dc->brush ? dc->brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc->brush = static_cast<HBRUSH>(obj);
    return old;
  }
  return nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  Dc* dc = FindDc(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_BITMAP: return dc->bitmap;
    case OBJ_FONT: return dc->font ? dc->font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    case OBJ_BRUSH: return dc->brush ? dc->brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    default: return nullptr;
  }
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  Dc* dc = FindDc(hdc);
  if (!dc) return 0xFFFFFFFF;  // CLR_INVALID
  COLORREF old = dc->textColor;
  dc->textColor = color & 0xFFFFFF;
  return old;
}

COLORREF GetTextColor(HDC hdc) {
  Dc* dc = FindDc(hdc);
  return dc ? dc->textColor : 0xFFFFFFFF;
}

int SetBkMode(HDC hdc, int mode) {
  Dc* dc = FindDc(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  int old = dc->bkMode;
  dc->bkMode = mode;
  return old;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  Dc* dc = FindDc(hdc);
  if (!dc) return 0xFFFFFFFF;
  COLORREF old = dc->bkColor;
  dc->bkColor = color & 0xFFFFFF;
  return old;
}
