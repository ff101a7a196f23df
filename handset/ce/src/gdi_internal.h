// The objects behind GDI handles, shared by the gdi_*.cpp files.
#pragma once

#include <pango/pangocairo.h>

#include <memory>
#include <string>

#include "ce/gdi.h"

namespace ce::gdi {

enum class Kind { Bitmap, Font, Brush, Dc };

struct Object {
  explicit Object(Kind k) : kind(k) {}
  virtual ~Object() = default;
  Kind kind;
  bool stock = false;  // stock objects ignore DeleteObject
};

struct Bitmap : Object {
  explicit Bitmap(cairo_surface_t* s) : Object(Kind::Bitmap), surface(s) {}
  ~Bitmap() override { cairo_surface_destroy(surface); }
  cairo_surface_t* surface;
};

struct Font : Object {
  explicit Font(const LOGFONTW& lf);
  ~Font() override { pango_font_description_free(desc); }
  LOGFONTW logfont;
  PangoFontDescription* desc;
  std::string key;  // identifies the font in the text layout cache
};

struct Brush : Object {
  explicit Brush(COLORREF c, bool isNull = false) : Object(Kind::Brush), color(c), null(isNull) {}
  COLORREF color;
  bool null;
};

struct Dc : Object {
  Dc(cairo_surface_t* target, bool isMemory);
  ~Dc() override;
  void Retarget(cairo_surface_t* target);

  cairo_t* cr = nullptr;
  bool memory;
  HBITMAP bitmap = nullptr;  // selected into a memory DC
  HFONT font = nullptr;
  HBRUSH brush = nullptr;
  COLORREF textColor = 0;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = OPAQUE;
};

// Handle table. Handles are never reused within a process.
HANDLE Insert(std::unique_ptr<Object> obj);
Object* Find(HANDLE h, Kind kind);
std::unique_ptr<Object> Remove(HANDLE h, Kind kind);

inline Dc* FindDc(HDC h) { return static_cast<Dc*>(Find(h, Kind::Dc)); }
inline Bitmap* FindBitmap(HANDLE h) { return static_cast<Bitmap*>(Find(h, Kind::Bitmap)); }
inline Font* FindFont(HANDLE h) { return static_cast<Font*>(Find(h, Kind::Font)); }
inline Brush* FindBrush(HANDLE h) { return static_cast<Brush*>(Find(h, Kind::Brush)); }

// The font a DC draws text with: its selected font, else the system font.
Font* DcFont(Dc* dc);

inline void SetSourceColor(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

// UTF-32 (wchar_t) to UTF-8; count < 0 means up to the terminating zero.
// Code points that are not characters become U+FFFD.
std::string ToUtf8(const wchar_t* text, int count);

}  // namespace ce::gdi
