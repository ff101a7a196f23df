#include "ComposerFields.h"

#include "AppTexts.h"
#include "qzfc/UiToolBarPro.h"

namespace telhub {
namespace {

constexpr int kMargin = 16;
constexpr int kRowTop = 10;
constexpr int kRowHeight = 56;
constexpr int kAddButtonWidth = 72;
constexpr int kBodyTop = 76;
constexpr int kAttachmentHeight = 44;
constexpr int kAttachmentAdvance = 54;
constexpr COLORREF kGrey = RGB(0x78, 0x78, 0x78);
constexpr UINT kOneLine = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

}  // namespace

void ComposerFields::AddTo(CQzWndEx& owner, const Ids& ids, const std::wstring& bodyText, const wchar_t* bodyTip) {
  owner_ = &owner;
  const int width = owner.GetWidth();

  recipients_.SetID(ids.recipients);
  recipients_.SetTextSize(24);
  recipients_.SetTextFormat(kOneLine);
  recipients_.SetPos(kMargin, kRowTop, width - 2 * kMargin - kAddButtonWidth - 8, kRowHeight);
  owner.AddUiWin(&recipients_);

  addRecipient_.SetID(ids.addRecipient);
  addRecipient_.SetButtonType(UIBUTTON_TYPE_PUSH);
  addRecipient_.SetText(L"+");
  addRecipient_.SetTextSize(32);
  addRecipient_.SetPos(width - kMargin - kAddButtonWidth, kRowTop, kAddButtonWidth, kRowHeight);
  owner.AddUiWin(&addRecipient_);

  attachment_.SetID(ids.attachment);
  attachment_.SetTextSize(22);
  attachment_.SetTextColor(kGrey);
  attachment_.SetTextFormat(kOneLine);

  body_.SetID(ids.body);
  body_.SetTextSize(24);
  body_.SetText(bodyText.c_str());
  body_.SetTip(bodyTip);
  owner.AddUiWin(&body_);
  ShowAttachment(L"");
}

void ComposerFields::ShowRecipients(const std::wstring& recipients) {
  std::wstring line = Text(L"收件人：", L"To: ") + recipients;
  recipients_.SetText(line.c_str());
  owner_->Invalidate();
}

void ComposerFields::ShowAttachment(const std::wstring& line) {
  const int width = owner_->GetWidth();
  int bodyTop = kBodyTop;
  if (!line.empty()) {
    attachment_.SetText(line.c_str());
    attachment_.SetPos(kMargin, bodyTop, width - 2 * kMargin, kAttachmentHeight);
    if (!owner_->GetUiWin(attachment_.GetID())) owner_->AddUiWin(&attachment_);
    bodyTop += kAttachmentAdvance;
  } else if (owner_->GetUiWin(attachment_.GetID())) {
    owner_->RemoveUiWin(&attachment_);
  }
  body_.SetPos(12, bodyTop, width - 24, owner_->GetHeight() - UiToolBarPro::kHeight - bodyTop - 12);
  owner_->Invalidate();
}

void AddNewRecipients(std::vector<std::wstring>& recipients, std::vector<std::wstring> picked, size_t limit) {
  for (std::wstring& value : picked) {
    bool known = false;
    for (const std::wstring& present : recipients) known = known || present == value;
    if (!known && recipients.size() < limit) recipients.push_back(std::move(value));
  }
}

}  // namespace telhub
