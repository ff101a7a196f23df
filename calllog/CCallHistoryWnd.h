// CCallHistoryWnd: the call log tab. It lists the call threads (all calls or
// missed calls), opens the call details of a number in place, and from there
// dials, sends messages and e-mail, copies a number, adds the number to the
// contacts or edits its contact, chooses the contact's groups or puts a
// stranger's number on the blacklist, and sends the contact as a card.
//
// Its parent is the phone host: the window asks it for another tab with
// 0x401 (wParam the window, lParam the tab), reports with 0x402 that it was
// shown, and reloads on 0x403 (wParam 0 also scrolls to the top); a request
// that comes while the window is hidden is kept until it is shown.
#pragma once

#include "calllog/model/CallHistoryCollection.h"
#include "core/VornaExport.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

class UiListCallInfo;
class UiListGroupPicker;

class VORNALIB_API CCallHistoryWnd : public CQzWndEx {
 public:
  enum Mode { MODE_ALL_CALLS = 0, MODE_MISSED_CALLS = 1 };
  enum View { VIEW_THREADS = 0, VIEW_DETAILS = 1, VIEW_GROUP_PICKER = 2 };

  static constexpr int kThreadListId = 1;
  static constexpr int kDetailsId = 2;
  static constexpr int kGroupPickerId = 3;
  static constexpr int kToolBarId = 4;
  static constexpr UINT kTabSwitchMessage = 0x401;
  static constexpr UINT kShownMessage = 0x402;
  static constexpr UINT kRefreshMessage = 0x403;

  CCallHistoryWnd();
  // A window is bound to its handle and its controls to the window, so the
  // call log is not copied.
  CCallHistoryWnd(const CCallHistoryWnd&) = delete;
  CCallHistoryWnd& operator=(const CCallHistoryWnd&) = delete;

  LPCWSTR GetQzClassName() override;
  ~CCallHistoryWnd() override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // Reloads the threads when calls or contacts changed or a refresh is
  // pending; the caller redraws.
  void UpdateHistoryList();
  void RefreshNoCallTip();
  // Asks, then deletes the whole call log.
  void ClearHistory();
  void SwitchThreadMode();
  void GotoCallInfo(int contactId, const qzu::string& number);
  void GoBackThreadsList(bool animate);
  // Edits the contact of the details, or offers to add the number to one.
  void ContactInfoEdit();
  // Dials with the IP-call prefix, or hands the number to the dialer tab
  // when no prefix is in use.
  void IpcallProcess(const qzu::string& number);
  // The copy bubble over a row of the details.
  void OnPopUpMessage(int row, LPCWSTR text);
  // Records nine sample calls and shows them.
  void AddTestData();

  int GetMode() const { return m_mode; }
  int GetView() const { return m_view; }
  bool IsRefreshPending() const { return m_refreshPending; }
  CallHistoryCollection& GetCollection() { return m_collection; }
  UiListCallInfo* GetDetailsList() const { return m_details; }
  UiListGroupPicker* GetGroupPicker() const { return m_groupPicker; }

  static LPCWSTR m_pwszCCallHistoryWndClassName;

 private:
  void OnListNotify(UINT msg, LPARAM lParam);
  void OnToolBar(LPARAM button);
  void OnDetailsCommand(int row, int part);
  void OnTabButton(int tab);
  void ShowAllCalls();
  void LoadThreads(bool limited);
  void SetThreadButtons();
  void SetDetailsButtons();
  void AddNumberToContacts(const qzu::string& number);
  void AdoptContact(int contactId);
  void RebuildDetails();
  void OpenGroupPicker();
  void CloseGroupPicker();
  void DropGroupPicker();
  void StoreGroupChoice(const qzu::array<int>& chosen);
  void SendTabSwitch(int tab);
  void RedrawAll();
  static void Redraw(UiWin& control);

  CallHistoryCollection m_collection;
  UiCustomList m_threadList;
  UiStatic m_noCallTip;
  UiListCallInfo* m_details = nullptr;
  UiListGroupPicker* m_groupPicker = nullptr;
  UiToolBarPro m_toolBar;
  int m_mode = MODE_ALL_CALLS;
  bool m_refreshPending = false;
  int m_view = VIEW_THREADS;
};
