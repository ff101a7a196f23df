#include "sip/SipWnd.h"

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "sip/PinyinTable.h"

namespace qzfc {
namespace {

constexpr int kRowHeight = 60;
constexpr int kLetterWidth = 48;
constexpr int kShiftWidth = 72;
constexpr int kCompositionWidth = 100;
constexpr COLORREF kPanel = RGB(0xD2, 0xD5, 0xDB);
constexpr COLORREF kKeyFace = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kKeyPressed = RGB(0x9C, 0xA3, 0xAF);
constexpr COLORREF kKeyText = RGB(0x20, 0x20, 0x20);
constexpr COLORREF kBar = RGB(0xF4, 0xF4, 0xF6);

void Fill(HDC hdc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
}

bool IsLetter(const std::wstring& text) { return text.size() == 1 && text[0] >= L'a' && text[0] <= L'z'; }
bool IsCapital(const std::wstring& text) { return text.size() == 1 && text[0] >= L'A' && text[0] <= L'Z'; }

}  // namespace

SipWnd::SipWnd(SipLayout layout) : m_layout(layout), m_pinyin(layout == SipLayout::Pinyin) { BuildKeys(); }

void SipWnd::AddRow(int row, const std::vector<Key>& keys) {
  const int top = kBarHeight + row * kRowHeight;
  for (const Key& k : keys) {
    Key key = k;
    key.rc.top = top;
    key.rc.bottom = top + kRowHeight;
    m_keys.push_back(key);
  }
}

void SipWnd::BuildKeys() {
  m_keys.clear();
  // Each key: {left, 0, right, 0} and the row fills in the height.
  auto text = [](int l, int r, std::wstring label, std::wstring typed = L"") {
    if (typed.empty()) typed = label;
    return Key{{l, 0, r, 0}, std::move(label), std::move(typed), Action::Text};
  };
  auto action = [](int l, int r, std::wstring label, Action a) { return Key{{l, 0, r, 0}, std::move(label), L"", a}; };

  if (m_layout == SipLayout::Digits) {
    const wchar_t* rows[4] = {L"123", L"456", L"789", L"*0#"};
    const Key last[4] = {action(360, 480, L"⌫", Action::Backspace), text(360, 480, L"+"),
                         action(360, 480, L"↵", Action::Enter), action(360, 480, L"▼", Action::Hide)};
    for (int r = 0; r < 4; ++r) {
      std::vector<Key> row;
      for (int c = 0; c < 3; ++c) row.push_back(text(c * 120, c * 120 + 120, std::wstring(1, rows[r][c])));
      row.push_back(last[r]);
      AddRow(r, row);
    }
    return;
  }

  const wchar_t* letters[3] = {L"qwertyuiop", L"asdfghjkl", L"zxcvbnm"};
  const bool capitals = m_shift != Shift::Off;
  for (int r = 0; r < 3; ++r) {
    std::vector<Key> row;
    // The bottom letter row sits between shift and backspace.
    const int offset = r == 0 ? 0 : r == 1 ? kLetterWidth / 2 : kShiftWidth;
    if (r == 2) row.push_back(action(0, kShiftWidth, m_shift == Shift::Locked ? kCapsLockLabel : kShiftLabel, Action::Shift));
    for (int c = 0; letters[r][c]; ++c) {
      const wchar_t letter = capitals ? static_cast<wchar_t>(letters[r][c] - L'a' + L'A') : letters[r][c];
      row.push_back(text(offset + c * kLetterWidth, offset + (c + 1) * kLetterWidth, std::wstring(1, letter)));
    }
    if (r == 2) row.push_back(action(offset + 7 * kLetterWidth, 480, L"⌫", Action::Backspace));
    AddRow(r, row);
  }
  switch (m_layout) {
    case SipLayout::Email:
      AddRow(3, {text(0, 60, L"@"), text(60, 120, L"."), text(120, 180, L"_"), text(180, 240, L"-"),
                 action(240, 360, L"␣", Action::Space), action(360, 420, L"↵", Action::Enter),
                 action(420, 480, L"▼", Action::Hide)});
      break;
    case SipLayout::Web:
      AddRow(3, {text(0, 60, L"/"), text(60, 120, L":"), text(120, 180, L"."), text(180, 270, L"www."),
                 text(270, 360, L".com"), action(360, 420, L"↵", Action::Enter), action(420, 480, L"▼", Action::Hide)});
      break;
    default: {
      std::vector<Key> row;
      if (m_layout == SipLayout::Pinyin) row.push_back(action(0, 80, m_pinyin ? L"英" : L"中", Action::Toggle));
      else row.push_back(text(0, 80, L"@"));
      row.push_back(text(80, 140, m_pinyin ? L"，" : L","));
      row.push_back(action(140, 300, L"␣", Action::Space));
      row.push_back(text(300, 360, m_pinyin ? L"。" : L"."));
      row.push_back(action(360, 420, L"↵", Action::Enter));
      row.push_back(action(420, 480, L"▼", Action::Hide));
      AddRow(3, row);
      break;
    }
  }
  // The candidate bar.
  const int width = (480 - kCompositionWidth) / kMaxCandidates;
  for (size_t i = 0; i < m_candidates.size(); ++i) {
    const int left = kCompositionWidth + static_cast<int>(i) * width;
    m_keys.push_back(Key{{left, 0, left + width, kBarHeight}, std::wstring(1, m_candidates[i]), L"", Action::Candidate});
  }
}

RECT SipWnd::KeyRect(const std::wstring& label) const {
  for (const Key& k : m_keys)
    if (k.label == label) return k.rc;
  return RECT{};
}

const SipWnd::Key* SipWnd::KeyAt(int x, int y) const {
  for (const Key& k : m_keys)
    if (x >= k.rc.left && x < k.rc.right && y >= k.rc.top && y < k.rc.bottom) return &k;
  return nullptr;
}

LRESULT SipWnd::OnLButtonDown(UINT, int x, int y) {
  const Key* key = KeyAt(x, y);
  m_pressed = key ? static_cast<int>(key - m_keys.data()) : -1;
  Invalidate();
  return 0;
}

LRESULT SipWnd::OnLButtonUp(UINT, int x, int y) {
  const Key* key = KeyAt(x, y);
  const int index = key ? static_cast<int>(key - m_keys.data()) : -1;
  const bool same = index >= 0 && index == m_pressed;
  m_pressed = -1;
  Invalidate();
  if (same) {
    ++m_handlingKey;
    Press(Key(*key));  // a copy: pressing may rebuild the keys
    --m_handlingKey;
  }
  return 0;
}

void SipWnd::SendText(const std::wstring& text) {
  CQzWnd* owner = FromHandle(GetParent());
  for (wchar_t ch : text)
    if (owner) owner->SendMessageW(WM_CHAR, ch, 0);
}

void SipWnd::Compose(const std::wstring& letters) {
  m_composition = letters;
  m_candidates = PinyinCandidates(m_composition, kMaxCandidates);
  BuildKeys();
  Invalidate();
}

void SipWnd::CommitCandidate(size_t index) {
  if (index >= m_candidates.size()) return;
  const std::wstring chosen(1, m_candidates[index]);
  Compose(L"");
  SendText(chosen);
}

void SipWnd::Press(const Key& key) {
  const bool composing = !m_composition.empty();
  switch (key.action) {
    case Action::Text:
      if (m_pinyin && IsLetter(key.text)) Compose(m_composition + key.text);
      else if (composing) {
        // Punctuation and capitals end the composition with its first candidate.
        CommitCandidate(0);
        SendText(key.text);
      } else SendText(key.text);
      if (m_shift == Shift::Once && IsCapital(key.text)) {
        m_shift = Shift::Off;
        BuildKeys();
        Invalidate();
      }
      break;
    case Action::Shift:
      m_shift = m_shift == Shift::Off ? Shift::Once : m_shift == Shift::Once ? Shift::Locked : Shift::Off;
      BuildKeys();
      Invalidate();
      break;
    case Action::Backspace:
      if (composing) Compose(m_composition.substr(0, m_composition.size() - 1));
      else SendText(L"\b");
      break;
    case Action::Space:
      if (composing && !m_candidates.empty()) CommitCandidate(0);
      else if (!composing) SendText(L" ");
      break;
    case Action::Enter:
      if (composing) {
        // Enter types the letters themselves.
        const std::wstring letters = m_composition;
        Compose(L"");
        SendText(letters);
      } else SendText(L"\r");
      break;
    case Action::Candidate:
      for (size_t i = 0; i < m_candidates.size(); ++i)
        if (key.label[0] == m_candidates[i]) CommitCandidate(i);
      break;
    case Action::Toggle:
      m_pinyin = !m_pinyin;
      Compose(L"");
      break;
    case Action::Hide:
      Sip::Instance().Dismiss();
      break;
  }
}

void SipWnd::PaintWin(HDC hdc, const RECT&) {
  RECT all = GetClientRect();
  Fill(hdc, all, kPanel);
  Fill(hdc, RECT{0, 0, all.right, kBarHeight}, kBar);
  SetBkMode(hdc, TRANSPARENT);
  ::SetTextColor(hdc, kKeyText);
  SelectObject(hdc, FontHelper::GetFont(22, 400, 0, 0, 0, 0));
  QzDrawText(hdc, m_composition.c_str(), RECT{8, 0, kCompositionWidth, kBarHeight},
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  SelectObject(hdc, FontHelper::GetFont(26, 400, 0, 0, 0, 0));
  for (size_t i = 0; i < m_keys.size(); ++i) {
    const Key& k = m_keys[i];
    RECT face{k.rc.left + 3, k.rc.top + 4, k.rc.right - 3, k.rc.bottom - 4};
    // A shift that is on looks held down.
    const bool down = static_cast<int>(i) == m_pressed || (k.action == Action::Shift && m_shift != Shift::Off);
    if (k.action != Action::Candidate || down) Fill(hdc, face, down ? kKeyPressed : kKeyFace);
    QzDrawText(hdc, k.label.c_str(), face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

}  // namespace qzfc
