// The text and caret that the edit controls share: insertion at the caret,
// backspace, a character limit and pasting from the clipboard. It knows
// nothing of drawing or notifications.
#pragma once

#include <string>

namespace qzfc {

class EditBuffer {
 public:
  explicit EditBuffer(bool multiLine) : m_multiLine(multiLine) {}

  const std::wstring& Text() const { return m_text; }
  // Replaces the text (cut to the limit; line breaks dropped in a single-line
  // buffer) and puts the caret at its end.
  void SetText(const std::wstring& text);
  int Caret() const { return m_caret; }
  // Puts the caret before character `pos`; -1, or anything past the end, is the end.
  void SetCaret(int pos);
  // 0 means no limit.
  void SetMaxChars(int max);
  int MaxChars() const { return m_max; }

  // Inserts `ch` at the caret; false when the limit is reached or `ch` is a
  // control character this buffer does not keep.
  bool Insert(wchar_t ch);
  // Removes the character before the caret; false when there is none.
  bool Backspace();
  // Inserts the clipboard's text at the caret, as much as the limit allows;
  // false when nothing was inserted.
  bool Paste();
  // Empties the buffer; false when it was empty already.
  bool Clear();

 private:
  std::wstring Clean(const std::wstring& text) const;
  bool Keeps(wchar_t ch) const;
  size_t Room() const;

  bool m_multiLine;
  std::wstring m_text;
  int m_caret = 0;
  int m_max = 0;
};

}  // namespace qzfc
