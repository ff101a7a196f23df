// The fields that the message and e-mail composers lay out alike: at the top
// the recipients' line ("To: ...") with the add button beside it, below it a
// grey line naming the attachment when there is one, and the text filling
// the rest down to the tool bar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qzfc/QzWndEx.h"
#include "qzfc/UiButton.h"
#include "qzfc/UiEdit.h"
#include "qzfc/UiStatic.h"

namespace telhub {

class ComposerFields {
 public:
  struct Ids {
    int recipients, addRecipient, attachment, body;
  };

  // Adds the recipients' line, its add button and the text to `owner`, whose
  // tool bar takes the bottom. The attachment's line comes with
  // ShowAttachment.
  void AddTo(CQzWndEx& owner, const Ids& ids, const std::wstring& bodyText, const wchar_t* bodyTip);
  // The recipients' line: "To: " and `recipients`.
  void ShowRecipients(const std::wstring& recipients);
  // Shows `line` below the recipients (none while it is empty) and fits the
  // text below it.
  void ShowAttachment(const std::wstring& line);

  UiEdit& Body() { return body_; }

 private:
  CQzWndEx* owner_ = nullptr;
  UiStatic recipients_, attachment_;
  UiButton addRecipient_;
  UiEdit body_;
};

// Appends each picked value that `recipients` does not hold yet, while they
// are fewer than `limit`.
void AddNewRecipients(std::vector<std::wstring>& recipients, std::vector<std::wstring> picked,
                      size_t limit = SIZE_MAX);

}  // namespace telhub
