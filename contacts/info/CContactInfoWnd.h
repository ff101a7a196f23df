// CContactInfoWnd: the contact details window that other programs run. It
// shows one contact in the details list over a two-button tool bar and acts
// on the list's rows: dial, IP-dial, message, e-mail, copy a value, edit the
// contact's groups, send the contact as a card.
//
// The contact is given in one of three ways, and the second tool bar button
// follows from it: a stored contact by identifier ("编辑", edit it), a record
// the caller holds ("添加", add it to the contacts), or a vCard file or text
// ("保存", save it as a new contact). The record takes precedence for what is
// shown, the identifier for what the button does.
//
// Modal results: 1 when the contact was saved, added or edited away; 611
// when the user left with the back button.
#pragma once

#include <memory>

#include "core/VornaExport.h"
#include "platform/ContactRecord.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

class UiListContactInfo;
class UiListGroupPicker;

class VORNALIB_API CContactInfoWnd : public CQzWndEx {
 public:
  CContactInfoWnd();
  // A window is bound to its handle, and it owns its list, its decoded card
  // and its picker: it is not copied.
  CContactInfoWnd(const CContactInfoWnd&) = delete;
  CContactInfoWnd& operator=(const CContactInfoWnd&) = delete;
  ~CContactInfoWnd() override;

  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  // Fails (0) when no contact was given: no record, no identifier and no
  // card that decoded.
  BOOL OnInitDialog() override;

  // The contact to show; call before Create.
  void SetContactId(int id) { m_contactId = id; }
  // A record the caller keeps (not owned).
  void SetContactInfo(CContactInfo* record) { m_record = record; }
  // Decode a card into a contact of the window's own; a card that does not
  // decode leaves none.
  void setVcfFile(const wchar_t* path);
  void setVcfBuf(const wchar_t* text);
  // The contact decoded from the card, or null.
  const CContactInfo* GetVcardContact() const { return m_vcardContact.get(); }

  // Acts on a row notification of the details list (row | part << 16).
  void PressContactInfo(long lParam);
  // Offers to copy `text` in a bubble over the row.
  void OnPopUpMessage(int row, const qzu::string& text);
  void SwitchWindowGroupEdit();
  void ExitGroupEdit();
  // IP-dials phone entry `index` of the contact shown; without an IP prefix
  // in use the phone host dials it.
  void IpCallProcess(int index);

  UiListContactInfo* GetDetailsList() const { return m_list.get(); }
  UiListGroupPicker* GetGroupPicker() const { return m_groupPicker.get(); }

  static constexpr int kDetailsListId = 1;
  static constexpr int kToolBarId = 2;
  static constexpr int kGroupPickerId = 3;
  static constexpr int kResultDone = 1;
  static constexpr int kResultBack = 611;

 private:
  void DecodeCard(bool fromFile, const wchar_t* source);
  void OnSecondButton();
  void AddRecordToContacts();
  void SaveVcardContact();
  void ReloadFromStore();
  // After a change in the store since the list was read: reads the contact
  // again; true when `row` still shows what it showed before.
  bool RowStillCurrent(int row);
  void SetDetailsToolBar();

  std::unique_ptr<UiListContactInfo> m_list;
  UiToolBarPro m_toolBar;
  int m_contactId = 0;
  CContactInfo* m_record = nullptr;
  std::unique_ptr<CContactInfo> m_vcardContact;
  std::unique_ptr<UiListGroupPicker> m_groupPicker;
  // The list shows the contact as the store holds it (not a given record),
  // read when the store's change counter stood at m_changeCount.
  bool m_showsStored = false;
  int m_changeCount = 0;
};
