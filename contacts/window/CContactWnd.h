// CContactWnd: the contacts book, one of the host's three tabs. One window
// serves six modes: all contacts with their letter index, search as you
// type, one contact's details, the groups, the members of one group, and
// the choice of the groups of the contact in details. Modes change in place
// through SwitchWindowMode; the window shows and hides its controls,
// reloads its list model and slides the old picture out.
//
// The host gets 0x401 (wParam this window, lParam the tab: 3 call log, 5
// dialer) when the user asks for another tab or a number goes to the dialer
// through PendingDialNumber.
#pragma once

#include "contacts/list/AlphabetIndex.h"
#include "core/VornaExport.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

class ContactListCollection;
class UiListContactInfo;
class UiListGroupPicker;

enum CONTACT_WINDOW_MODE {
  MODE_NORMAL = 0,
  MODE_SEARCH = 1,
  MODE_DETAILS = 2,
  MODE_GROUP = 3,
  MODE_GROUP_MEMBER = 4,
  MODE_GROUP_EDIT = 5,
};

class VORNALIB_API CContactWnd : public CQzWndEx {
 public:
  CContactWnd();
  // A window is bound to its handle and its controls to the window, so the
  // contacts book is not copied.
  CContactWnd(const CContactWnd&) = delete;
  CContactWnd& operator=(const CContactWnd&) = delete;
  ~CContactWnd() override;

  LPCWSTR GetQzClassName() override;
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT QzDefWndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The only way to change mode; `parameter` is the contact (MODE_DETAILS)
  // or group (MODE_GROUP_MEMBER) identifier. For MODE_SEARCH `animate`
  // means: give the search field the focus (the keyboard comes up).
  void SwitchWindowMode(CONTACT_WINDOW_MODE mode, void* parameter, bool redraw, bool animate);
  void SwitchWindowNoraml(bool animate);
  void SwitchWindowSearch(bool focus);
  void SwitchWindowDetails(int contactId);
  void SwitchWindowGroup();
  void SwitchWindowGroupMember(int groupId);
  void SwitchWindowGroupEdit();

  void OnToobarPressed(long buttonIndex);
  void ContactListItemSelectProc(int row, int part, int message);
  LRESULT OnSearchEdit(UINT controlId, LPARAM lParam);
  void PressContactInfo(LPARAM lParam);
  void OnPopUpMessage(int row, const qzu::string& text);
  void IpCallProcess(qzu::string& number);
  void AddNewContact();
  void EditContactInfo();
  void InitContactInfoList(int contactId);
  void DeinitContactInfoList();
  void DecideDbChange();
  void OnWindowShow(UINT shown);
  void UpdateContactsCountDisplay();
  void UpdateAlphabetBarState();
  void CalAlphabetMap();
  void MoveToAlphabet(wchar_t letter);

  CONTACT_WINDOW_MODE GetMode() const { return m_mode; }
  CONTACT_WINDOW_MODE GetPreviousMode() const { return m_previousMode; }
  int GetBaseMode() const { return m_baseMode; }
  CONTACT_WINDOW_MODE GetDetailsReturnMode() const { return m_detailsReturnMode; }
  int GetCurrentGroupId() const { return m_currentGroupId; }
  bool IsKeyboardHidden() const { return m_keyboardHidden; }
  const AlphabetIndex& GetAlphabetMap() const { return m_alphabetMap; }
  ContactListCollection& GetListModel() { return *m_listModel; }
  UiListContactInfo* GetContactInfoList() { return m_contactInfoList; }
  UiListGroupPicker* GetGroupPicker() { return m_groupPicker; }

  static LPCWSTR m_pwszCContactWndClassName;

  static constexpr int kListId = 100;
  static constexpr int kGroupPickerId = 101;
  static constexpr int kToolBarId = 102;
  static constexpr int kCountButtonId = 103;
  static constexpr int kSearchFieldId = 104;
  static constexpr int kAlphabetBarId = 105;
  static constexpr int kContactInfoListId = 106;
  static constexpr UINT kTabSwitchMessage = 0x401;
  static constexpr int kStripHeight = 64;
  static constexpr int kKeyboardHeight = 300;

 private:
  void SetToolBarTexts(CONTACT_WINDOW_MODE mode);
  void SetTitle(UINT stringId);
  void SetListHeight(int height);
  int FullListHeight() const;
  int ShortListHeight() const;
  void RemoveGroupPicker();
  void OpenGroups();
  void AddGroup();
  void RenameGroup(int row, int groupId);
  void ShowGroupMenu(int row, int groupId);
  void ToggleKeyboard();
  void OnTaskbarClick();
  void OnAlphabetCommand();
  void SendTabSwitch(int tab);
  void ScrollListToTop();
  void RefreshSearch();
  bool DataChanged();
  HBITMAP TakeBitmap();
  void Slide(HBITMAP before, int type);
  static void Redraw(UiWin& control);

  UiSearchBox m_searchBox;
  UiButtonEx m_countButton;
  ContactListCollection* m_listModel;
  UiCustomList m_list;
  UiListGroupPicker* m_groupPicker = nullptr;
  UiListContactInfo* m_contactInfoList = nullptr;
  UiAlphabetBar m_alphabetBar;
  UiToolBarPro m_toolBar;
  UiSingleLineEdit m_searchField;
  AlphabetIndex m_alphabetMap;
  CONTACT_WINDOW_MODE m_mode = MODE_NORMAL;
  CONTACT_WINDOW_MODE m_previousMode = MODE_NORMAL;
  int m_baseMode = MODE_NORMAL;
  CONTACT_WINDOW_MODE m_detailsReturnMode = MODE_NORMAL;
  int m_currentGroupId = 0;
  qzu::string m_groupTitle;
  bool m_keyboardHidden = false;
};
