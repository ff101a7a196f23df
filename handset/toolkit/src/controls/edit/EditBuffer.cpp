#include "qzfc/EditBuffer.h"

#include "ce/clipboard.h"

namespace qzfc {

bool EditBuffer::Keeps(wchar_t ch) const {
  if (ch == L'\n') return m_multiLine;
  return ch >= 0x20 && ch != 0x7F;
}

size_t EditBuffer::Room() const {
  if (m_max <= 0) return std::wstring::npos;
  return m_text.size() >= static_cast<size_t>(m_max) ? 0 : m_max - m_text.size();
}

std::wstring EditBuffer::Clean(const std::wstring& text) const {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t ch = text[i];
    if (ch == L'\r') {
      // A CR LF pair is one line break.
      if (i + 1 < text.size() && text[i + 1] == L'\n') continue;
      ch = L'\n';
    }
    if (Keeps(ch)) out += ch;
  }
  return out;
}

void EditBuffer::SetText(const std::wstring& text) {
  m_text = Clean(text);
  if (m_max > 0 && m_text.size() > static_cast<size_t>(m_max)) m_text.resize(m_max);
  m_caret = static_cast<int>(m_text.size());
}

void EditBuffer::SetCaret(int pos) {
  int len = static_cast<int>(m_text.size());
  m_caret = (pos < 0 || pos > len) ? len : pos;
}

void EditBuffer::SetMaxChars(int max) {
  m_max = max < 0 ? 0 : max;
  if (m_max > 0 && m_text.size() > static_cast<size_t>(m_max)) {
    m_text.resize(m_max);
    SetCaret(m_caret);
  }
}

bool EditBuffer::Insert(wchar_t ch) {
  if (ch == L'\r') ch = L'\n';
  if (!Keeps(ch) || Room() == 0) return false;
  m_text.insert(m_text.begin() + m_caret, ch);
  ++m_caret;
  return true;
}

bool EditBuffer::Backspace() {
  if (m_caret == 0) return false;
  m_text.erase(m_caret - 1, 1);
  --m_caret;
  return true;
}

bool EditBuffer::Paste() {
  if (!OpenClipboard(nullptr)) return false;
  std::wstring clip;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) clip = static_cast<const wchar_t*>(data);
  CloseClipboard();
  clip = Clean(clip);
  size_t room = Room();
  if (clip.size() > room) clip.resize(room);
  if (clip.empty()) return false;
  m_text.insert(m_caret, clip);
  m_caret += static_cast<int>(clip.size());
  return true;
}

bool EditBuffer::Clear() {
  if (m_text.empty()) return false;
  m_text.clear();
  m_caret = 0;
  return true;
}

}  // namespace qzfc
