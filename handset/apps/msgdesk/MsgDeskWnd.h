// The message composer: whom the message goes to (contacts by name, other
// numbers as they are, a group by its name), the text, and the attached
// card. The add button picks more recipients from the contacts and the tool
// bar's middle button attaches a contact's card. Send and cancel both close
// it; delivering messages is the radio's and not done here.
#pragma once

#include <functional>
#include <string>

#include "ComposerFields.h"
#include "MsgDeskArgs.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiToolBarPro.h"

namespace telhub {

class MsgDeskWnd : public CQzWndEx {
 public:
  enum ControlId { ID_TOOL_BAR = 1, ID_RECIPIENTS = 2, ID_ATTACHMENT = 3, ID_BODY = 4, ID_ADD_RECIPIENT = 5 };
  enum Outcome { CANCELLED = 0, SENT = 1 };

  MsgDeskWnd(MessageRequest request, std::function<void(Outcome)> closed);

  LPCWSTR GetQzClassName() override { return L"MsgDeskWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;

  // The recipients as shown: names for numbers of contacts.
  std::wstring RecipientsText() const;
  const MessageRequest& Request() const { return request_; }

 private:
  void AddRecipients();
  void InsertCard();
  // Shows the recipients and the card line, and fits the body below them.
  void Layout();

  MessageRequest request_;
  std::function<void(Outcome)> closed_;
  ComposerFields fields_;
  UiToolBarPro toolBar_;
};

}  // namespace telhub
