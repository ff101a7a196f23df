#include "qzfc/MemoryDC.h"

MemoryDC::MemoryDC(int width, int height) : m_width(width), m_height(height) {
  m_dc = CreateCompatibleDC(nullptr);
  m_bitmap = CreateCompatibleBitmap(m_dc, width, height);
  if (m_bitmap) {
    m_old = SelectObject(m_dc, m_bitmap);
  } else {
    m_width = m_height = 0;
  }
}

MemoryDC::~MemoryDC() {
  if (m_old) SelectObject(m_dc, m_old);
  if (m_bitmap) DeleteObject(m_bitmap);
  DeleteDC(m_dc);
}

HBITMAP MemoryDC::DetachBitmap() {
  if (m_old) SelectObject(m_dc, m_old);
  m_old = nullptr;
  HBITMAP bmp = m_bitmap;
  m_bitmap = nullptr;
  return bmp;
}
