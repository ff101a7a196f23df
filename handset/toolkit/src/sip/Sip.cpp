#include "qzfc/Sip.h"

#include "qzfc/QzWndEx.h"
#include "qzfc/Screen.h"
#include "qzfc/UiWin.h"
#include "qzfc/WinApi.h"
#include "sip/SipWnd.h"

namespace qzfc {

SipLayout SipLayoutForMode(DWORD mode) {
  switch (mode) {
    case 1:
    case 7: return SipLayout::Pinyin;
    case 2: return SipLayout::Latin;
    case 3: return SipLayout::Email;
    case 4: return SipLayout::Web;
    case 9:
    case 10: return SipLayout::Digits;
    default: return SipLayout::None;
  }
}

Sip& Sip::Instance() {
  // Never destroyed: fields may let go of it while the process exits.
  static Sip* sip = [] {
    SetSipHider([] { Sip::Instance().Hide(); });
    return new Sip;
  }();
  return *sip;
}

Sip::Sip() = default;
Sip::~Sip() = default;

bool Sip::ShowFor(UiWin* field, DWORD mode, std::function<void()> dismissed) {
  const SipLayout layout = SipLayoutForMode(mode);
  CQzWndEx* owner = field ? field->GetParentWnd() : nullptr;
  if (layout == SipLayout::None || !owner || !owner->GetHwnd()) {
    Hide();
    return false;
  }
  const bool wasVisible = IsVisible();
  field_ = field;
  dismissed_ = std::move(dismissed);
  // The window is kept (only hidden) while it may be running a key's handler;
  // it is made anew when the layout or the field's window changes.
  if (!wnd_ || !wnd_->GetHwnd() || wnd_->Layout() != layout || CQzWnd::FromHandle(wnd_->GetParent()) != owner) {
    if (wnd_ && wnd_->GetHwnd() && wnd_->IsWindowVisible()) wnd_->Show(FALSE);
    auto wnd = std::make_unique<SipWnd>(layout);
    const RECT owned = owner->GetWindowRect();
    if (!wnd->Create(0, Screen::kHeight - kHeight - owned.top, owner->GetWidth(), kHeight, owner->GetHwnd(), 0,
                     WS_CHILD, 0))
      return false;
    Retire(std::move(wnd_));
    wnd_ = std::move(wnd);
  }
  wnd_->Show(TRUE);
  return !wasVisible;
}

void Sip::ReleaseFor(UiWin* field) {
  if (field && field == field_) Hide();
}

void Sip::Forget(UiWin* field) {
  if (!field || field != field_) return;
  Hide();
  field_ = nullptr;
  dismissed_ = nullptr;
  Retire(std::move(wnd_));
}

// Windows that no key's handler is running in go at once; the one a handler
// runs in (it may have moved the focus to a field of another layout) waits
// for the next replacement.
void Sip::Retire(std::unique_ptr<SipWnd> wnd) {
  std::erase_if(retired_, [](const std::unique_ptr<SipWnd>& old) { return !old->IsHandlingKey(); });
  if (wnd && wnd->IsHandlingKey()) retired_.push_back(std::move(wnd));
}

void Sip::Hide() {
  if (wnd_ && wnd_->GetHwnd() && wnd_->IsWindowVisible()) wnd_->Show(FALSE);
}

void Sip::Dismiss() {
  if (!IsVisible()) return;
  Hide();
  // A copy: the field may show the keyboard again, for itself or another field.
  if (std::function<void()> dismissed = dismissed_) dismissed();
}

bool Sip::IsVisible() const { return wnd_ && wnd_->GetHwnd() && wnd_->IsWindowVisible(); }

SipLayout Sip::Layout() const { return IsVisible() ? wnd_->Layout() : SipLayout::None; }

RECT Sip::ScreenRect() const { return IsVisible() ? wnd_->GetWindowRect() : RECT{}; }

RECT Sip::KeyRect(const std::wstring& label) const {
  if (!IsVisible()) return RECT{};
  RECT r = wnd_->KeyRect(label);
  if (r.right == r.left) return RECT{};
  const RECT at = wnd_->GetWindowRect();
  return RECT{r.left + at.left, r.top + at.top, r.right + at.left, r.bottom + at.top};
}

std::wstring Sip::Composition() const { return wnd_ ? wnd_->Composition() : L""; }
std::wstring Sip::Candidates() const { return wnd_ ? wnd_->Candidates() : L""; }

}  // namespace qzfc
