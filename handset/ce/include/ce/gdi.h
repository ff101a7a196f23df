// GDI: device contexts, bitmaps, fonts, brushes, blits and text, drawn with
// Cairo and Pango.
//
// An HDC wraps a cairo_t. Window DCs (GetDC) come from the display, which
// installs a provider; memory DCs (CreateCompatibleDC) draw into the bitmap
// selected into them. Coordinates are pixels; colours are COLORREF
// (0x00BBGGRR). Font heights are pixel heights.
//
// Handles are small numbers looked up in a table, so a stale or foreign
// handle gives a clean failure (NULL, FALSE, 0) instead of a crash.
#pragma once

#include <cairo.h>

#include "ce/types.h"

// ---- records ---------------------------------------------------------------

#define LF_FACESIZE 32

typedef struct tagLOGFONTW {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  WCHAR lfFaceName[LF_FACESIZE];
} LOGFONTW, *LPLOGFONTW;

typedef struct tagBITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
} BITMAP, *LPBITMAP;

typedef struct tagBITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
} BITMAPINFOHEADER;

typedef struct tagRGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
} BITMAPINFO;

typedef struct _BLENDFUNCTION {
  BYTE BlendOp;
  BYTE BlendFlags;
  BYTE SourceConstantAlpha;
  BYTE AlphaFormat;
} BLENDFUNCTION;

// ---- constants -------------------------------------------------------------

#define SRCCOPY 0x00CC0020
#define AC_SRC_OVER 0x00
#define AC_SRC_ALPHA 0x01
#define BI_RGB 0
#define DIB_RGB_COLORS 0

#define TRANSPARENT 1
#define OPAQUE 2

#define FW_NORMAL 400
#define FW_BOLD 700

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_EDITCONTROL 0x00002000
#define DT_END_ELLIPSIS 0x00008000

#define OBJ_BITMAP 7
#define OBJ_FONT 6
#define OBJ_BRUSH 2

#define WHITE_BRUSH 0
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define SYSTEM_FONT 13

// ---- device contexts -------------------------------------------------------

// A DC over the window's area of the screen (the whole screen for NULL), or
// NULL when no display is up or the window is unknown. Release with ReleaseDC.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
// A memory DC holding a 1 x 1 bitmap until another is selected into it.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj);
BOOL DeleteObject(HGDIOBJ obj);
HGDIOBJ GetStockObject(int which);
int GetObjectW(HGDIOBJ obj, int size, LPVOID out);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);

COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
COLORREF SetBkColor(HDC hdc, COLORREF color);

// ---- objects ---------------------------------------------------------------

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
// Only 32 bits per pixel, BI_RGB. The rows are top-down whatever the sign
// of biHeight; the pixels are premultiplied BGRA, so AlphaBlend with
// AC_SRC_ALPHA takes them as they are.
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontIndirectW(const LOGFONTW* lf);

// ---- drawing ---------------------------------------------------------------

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
// Only SRCCOPY.
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                DWORD rop);
BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                BLENDFUNCTION blend);

// Draws (or with DT_CALCRECT measures) text in the selected font. The flags
// honoured are DT_LEFT/CENTER/RIGHT, DT_TOP/VCENTER/BOTTOM, DT_SINGLELINE,
// DT_WORDBREAK, DT_END_ELLIPSIS, DT_NOCLIP, DT_CALCRECT and DT_EDITCONTROL.
// '&' is always drawn as itself: names and numbers are shown as they are
// stored. Returns the height of the text, 0 on failure.
int DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format);
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, LPSIZE size);

// ---- the Cairo side ----------------------------------------------------------

// The Cairo context a DC draws with (NULL for a bad handle). Its current
// transformation and clip are the DC's origin and clip.
cairo_t* CeGetCairo(HDC hdc);
// A DC drawing onto the surface (the DC keeps a reference). Delete with DeleteDC.
HDC CeCreateDCForSurface(cairo_surface_t* surface);
// A bitmap over the surface (the bitmap keeps a reference).
HBITMAP CeCreateBitmapFromSurface(cairo_surface_t* surface);
// The surface of a bitmap (owned by the bitmap), or NULL.
cairo_surface_t* CeGetBitmapSurface(HBITMAP bitmap);

namespace ce {

// The display's answer to GetDC: a DC set up over the window's area (hwnd
// NULL: the whole screen), or NULL. Installed by the toolkit's display.
using WindowDcProvider = HDC (*)(HWND hwnd);
void SetWindowDcProvider(WindowDcProvider provider);

// Number of live GDI objects and DCs (for leak checks in tests).
size_t GdiObjectCount();

}  // namespace ce
