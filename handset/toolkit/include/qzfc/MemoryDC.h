// MemoryDC: a memory device context with its own bitmap, for drawing off
// screen or measuring text. Released with the object.
#pragma once

#include "ce/gdi.h"

class MemoryDC {
 public:
  explicit MemoryDC(int width = 1, int height = 1);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC GetDC() const { return m_dc; }
  operator HDC() const { return m_dc; }
  HBITMAP GetBitmap() const { return m_bitmap; }
  int GetWidth() const { return m_width; }
  int GetHeight() const { return m_height; }
  // Hands the bitmap to the caller, who deletes it; the DC is left with its
  // original 1 x 1 bitmap.
  HBITMAP DetachBitmap();

 private:
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
  int m_width = 0;
  int m_height = 0;
};
