// The soft keyboard's window: a child of the field's window over the bottom
// 300 pixels of the screen. A bar of 60 pixels on top shows the pinyin being
// composed and its candidates; four rows of keys fill the rest. In the
// letter layouts the shift key makes the next letter a capital; tapped
// again it locks capitals until a third tap.
#pragma once

#include <string>
#include <vector>

#include "qzfc/QzWndEx.h"
#include "qzfc/Sip.h"

namespace qzfc {

class SipWnd : public CQzWndEx {
 public:
  static constexpr int kBarHeight = 60;
  static constexpr int kMaxCandidates = 7;

  explicit SipWnd(SipLayout layout);
  LPCWSTR GetQzClassName() override { return L"QzSip"; }
  void PaintWin(HDC hdc, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  // Quick taps on one key are each a key press.
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override { return OnLButtonDown(flags, x, y); }
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;

  SipLayout Layout() const { return m_layout; }
  // A key's handler is running (the window must outlive it).
  bool IsHandlingKey() const { return m_handlingKey > 0; }
  // The key's rectangle in client coordinates; empty when no key has the label.
  RECT KeyRect(const std::wstring& label) const;
  const std::wstring& Composition() const { return m_composition; }
  std::wstring Candidates() const { return m_candidates; }

  static constexpr const wchar_t* kShiftLabel = L"⇧";
  static constexpr const wchar_t* kCapsLockLabel = L"⇪";

 private:
  enum class Action { Text, Backspace, Enter, Space, Hide, Toggle, Candidate, Shift };
  enum class Shift { Off, Once, Locked };
  struct Key {
    RECT rc;
    std::wstring label;
    std::wstring text;  // what Text keys type
    Action action;
  };

  void BuildKeys();
  void AddRow(int row, const std::vector<Key>& keys);
  void Press(const Key& key);
  void SendText(const std::wstring& text);
  void Compose(const std::wstring& letters);
  void CommitCandidate(size_t index);
  const Key* KeyAt(int x, int y) const;

  SipLayout m_layout;
  bool m_pinyin = false;  // composing pinyin (the Pinyin layout starts so; the toggle key switches)
  Shift m_shift = Shift::Off;
  std::vector<Key> m_keys;
  std::wstring m_composition;
  std::wstring m_candidates;
  int m_pressed = -1;
  int m_handlingKey = 0;
};

}  // namespace qzfc
