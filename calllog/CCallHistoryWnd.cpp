#include "calllog/CCallHistoryWnd.h"

#include "calllog/details/UiListCallInfo.h"
#include "calllog/model/CallableNumber.h"
#include "ce/time.h"
#include "core/launch/Launchers.h"
#include "core/module/Resources.h"
#include "core/shell/ShellNotify.h"
#include "core/tabs/TabButtons.h"
#include "core/util/ChangeChecks.h"

LPCWSTR CCallHistoryWnd::m_pwszCCallHistoryWndClassName = L"CCallHistoryWnd";

namespace {

constexpr UINT kStrTitle = 859, kStrNoCalls = 857, kStrMissed = 632, kStrAll = 631, kStrClear = 630;
constexpr UINT kStrClearQuestion = 847;
constexpr int kTipTextSize = 27;
constexpr int kQuestionYesNo = 2;
constexpr int kAnswerYes = 1;


}  // namespace

CCallHistoryWnd::CCallHistoryWnd() = default;

CCallHistoryWnd::~CCallHistoryWnd() {
  DropGroupPicker();
  delete m_details;
}

LPCWSTR CCallHistoryWnd::GetQzClassName() { return m_pwszCCallHistoryWndClassName; }

BOOL CCallHistoryWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(LoadResString(kStrTitle));
  const int width = GetWidth();
  const int listHeight = GetHeight() - UiToolBarPro::kHeight;
  m_collection.LoadCallHistory(false, true);

  m_threadList.SetItemHeight(CallHistoryCollection::kRowHeight);
  m_threadList.SetCustomItemCollection(&m_collection);
  m_threadList.SetMultiSelectMode(0);
  m_threadList.SetSplitLineMode(LIST_SPLIT_TEXT);
  m_threadList.SetID(kThreadListId);
  m_threadList.EnableDragModeH(TRUE);
  m_threadList.EnableScrollBarV(TRUE);
  m_threadList.EnablePressedHoldSupport(TRUE, 500);
  m_threadList.SetPos(0, 0, width, listHeight);
  m_threadList.EnableNotifyMessage(TRUE);
  AddUiWin(&m_threadList);

  m_noCallTip.SetPos(0, 0, width, listHeight);
  m_noCallTip.SetText(LoadResString(kStrNoCalls));
  m_noCallTip.SetTextSize(kTipTextSize);
  AddUiWin(&m_noCallTip);
  RefreshNoCallTip();

  m_toolBar.SetPos(0, listHeight, width, UiToolBarPro::kHeight);
  m_toolBar.SetID(kToolBarId);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrMissed));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrClear));
  vorna::AddTabButtons(m_toolBar, vorna::kCallLogTab);
  AddUiWin(&m_toolBar);

  SyncCallsChangeCount(m_collection.CallsStamp());
  // The rows just read already show the current contacts.
  ContactsChanged(m_collection.ContactsStamp());
  RegisterShellNotify(GetHwnd(), SHELL_NOTIFY_CLICK_MKEY);
  return TRUE;
}

LRESULT CCallHistoryWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SHOWWINDOW && wParam == 1) {
    m_threadList.SetTopPos(0);
    UpdateHistoryList();
    m_toolBar.SetMiddleButtonHighLight(vorna::kCallLogTab);
    if (m_view != VIEW_THREADS) GoBackThreadsList(true);
    RedrawAll();
    if (CQzWnd* parent = CQzWnd::FromHandle(GetParent())) parent->SendMessageW(kShownMessage, 0, 0);
  } else if (msg == kRefreshMessage) {
    if (wParam == 0) m_threadList.SetTopPos(0);
    if (IsWindowVisible()) {
      UpdateHistoryList();
      RedrawAll();
    } else {
      m_refreshPending = true;
    }
  } else if ((msg == QZ_WM_LIST_CLICK || msg == QZ_WM_LIST_HOLD) && LOWORD(wParam) == kThreadListId) {
    OnListNotify(msg, lParam);
  } else if (UINT mKey = GetClickMKeyMessage(); mKey != 0 && msg == mKey) {
    PostQuitMessage(0);
    GoBackThreadsList(false);
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

void CCallHistoryWnd::OnListNotify(UINT msg, LPARAM lParam) {
  const int row = LOWORD(lParam);
  const int gesture = HIWORD(lParam);
  const CallHistoryItem* item = m_collection.GetRow(row);
  if (!item) return;
  if (item->rowKind == CALL_ROW_CALL) {
    int contactId = 0;
    qzu::string number;
    m_collection.GetItemInfo(row, contactId, number);
    if (gesture == 2 && !number.empty()) {
      if (!IsCallableNumber(number)) return;
      if (msg == QZ_WM_LIST_HOLD)
        IpcallProcess(number);
      else
        DialNumber(number.c_str(), 0);
    } else if (msg == QZ_WM_LIST_CLICK) {
      GotoCallInfo(contactId, number);
    }
  } else if (item->rowKind == CALL_ROW_MORE && msg == QZ_WM_LIST_CLICK) {
    LoadThreads(false);
    RefreshNoCallTip();
    RedrawAll();
  }
}

LRESULT CCallHistoryWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == kToolBarId)
    OnToolBar(lParam);
  else if (id == kDetailsId && m_details)
    OnDetailsCommand(LOWORD(lParam), HIWORD(lParam));
  return 0;
}

void CCallHistoryWnd::OnToolBar(LPARAM button) {
  switch (button) {
    case TOOLBAR_BUTTON_LEFT:
      if (m_view == VIEW_THREADS)
        SwitchThreadMode();
      else if (m_view == VIEW_DETAILS)
        GoBackThreadsList(true);
      else
        CloseGroupPicker();
      break;
    case TOOLBAR_BUTTON_RIGHT:
      if (m_view == VIEW_THREADS)
        ClearHistory();
      else if (m_details)
        ContactInfoEdit();
      break;
    case TOOLBAR_BUTTON_ICON_LEFT:
      if (m_view != VIEW_THREADS) GoBackThreadsList(true);
      break;
    case TOOLBAR_BUTTON_ICON_MIDDLE:
    case TOOLBAR_BUTTON_ICON_RIGHT:
      OnTabButton(static_cast<int>(button));
      break;
    default:
      break;
  }
}

void CCallHistoryWnd::OnTabButton(int tab) {
  if (m_view != VIEW_THREADS) {
    GoBackThreadsList(false);
  } else if (m_mode == MODE_MISSED_CALLS) {
    ShowAllCalls();
  }
  SendTabSwitch(tab);
}

// Back to all calls from the missed calls, without a slide.
void CCallHistoryWnd::ShowAllCalls() {
  m_mode = MODE_ALL_CALLS;
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrMissed));
  LoadThreads(true);
  RefreshNoCallTip();
}

void CCallHistoryWnd::LoadThreads(bool limited) {
  m_collection.LoadCallHistory(m_mode == MODE_MISSED_CALLS, limited);
  // Binding again tells the list that its rows were replaced.
  m_threadList.SetCustomItemCollection(&m_collection);
}

void CCallHistoryWnd::UpdateHistoryList() {
  if (CallsChanged(m_collection.CallsStamp()) || ContactsChanged(m_collection.ContactsStamp()) ||
      m_refreshPending) {
    m_refreshPending = false;
    LoadThreads(true);
    RefreshNoCallTip();
  }
}

void CCallHistoryWnd::RefreshNoCallTip() { m_noCallTip.SetVisible(m_collection.GetItemCount() == 0); }

void CCallHistoryWnd::ClearHistory() {
  if (QzMessageBoxV2(GetHwnd(), LoadResString(kStrClearQuestion), kQuestionYesNo, 0) != kAnswerYes) return;
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) db->DeleteCalls();
  SyncCallsChangeCount(m_collection.CallsStamp());
  LoadThreads(true);
  RefreshNoCallTip();
  RedrawAll();
}

void CCallHistoryWnd::SwitchThreadMode() {
  m_threadList.SetSelectedIndex(-1);
  m_mode = m_mode == MODE_MISSED_CALLS ? MODE_ALL_CALLS : MODE_MISSED_CALLS;
  SetThreadButtons();
  LoadThreads(true);
  RefreshNoCallTip();
  RedrawAll();
  m_threadList.ScrollStop();
  m_threadList.ScrollTo(LIST_SCROLL_TO_ITEM, 0, TRUE);
}

void CCallHistoryWnd::SetThreadButtons() {
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE,
                      LoadResString(m_mode == MODE_MISSED_CALLS ? kStrAll : kStrMissed));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrClear));
}

void CCallHistoryWnd::AddTestData() {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return;
  struct Sample {
    const wchar_t* number;
    int secondsAgo;
    int value;
    int type;
  };
  static const Sample kSamples[] = {
      {L"13800138000", 10, 12, 1},         {L"13912345678", 600, 3, 3},       {L"02087654321", 3600, 45, 2},
      {L"", 7200, 2, 3},                   {L"10086", 14400, 5, 1},           {L"13800138000", 86400, 1, 4},
      {L"+8613698765432", 90000, 8, 2},    {L"075512345678", 172800, 4, 5},   {L"13912345678", 259200, 9, 1},
  };
  const LONGLONG now = LocalSystemTimetoUnixTime(
      [] {
        SYSTEMTIME t{};
        GetLocalTime(&t);
        return t;
      }());
  for (const Sample& s : kSamples)
    db->InsertCall(s.number, static_cast<int>(now - s.secondsAgo), s.value, s.type);
  LoadThreads(true);
  RefreshNoCallTip();
  RedrawAll();
}

void CCallHistoryWnd::SendTabSwitch(int tab) {
  if (CQzWnd* parent = CQzWnd::FromHandle(GetParent()))
    parent->SendMessageW(kTabSwitchMessage, reinterpret_cast<WPARAM>(this), tab);
}

void CCallHistoryWnd::RedrawAll() {
  Invalidate(nullptr);
  Update();
}

void CCallHistoryWnd::Redraw(UiWin& control) {
  control.Invalidate(nullptr);
  control.Update();
}
