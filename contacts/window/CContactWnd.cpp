// The contacts book: building the window, dispatching its messages and
// commands, and what it shares between modes (tool bar, title, list height,
// count, alphabet index, the slide between pictures).
#include "contacts/window/CContactWnd.h"

#include "contacts/details/UiListContactInfo.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "contacts/list/ContactListCollection.h"
#include "contacts/window/ContactWndTexts.h"
#include "core/module/Resources.h"
#include "core/shell/ShellNotify.h"
#include "core/tabs/TabButtons.h"
#include "core/util/AnimateTransition.h"
#include "core/util/ChangeChecks.h"

LPCWSTR CContactWnd::m_pwszCContactWndClassName = L"CContactWnd";

using namespace contact_wnd;

namespace {

constexpr COLORREF kCountPressedColour = 0x643200;
constexpr int kCountTextSize = 24;
constexpr int kCountTextOffset = 60;
constexpr int kSearchFieldLeft = 60;
constexpr int kSearchFieldRightMargin = 80;
constexpr DWORD kSearchSipMode = 7;
constexpr int kAlphabetBarLeft = 430, kAlphabetBarTop = 74, kAlphabetBarWidth = 50;
constexpr UINT kHoldMs = 500;
// Tab images of the image library; the pressed face is 3 ids further.


}  // namespace

CContactWnd::CContactWnd() : m_listModel(new ContactListCollection()) {}

CContactWnd::~CContactWnd() {
  delete m_contactInfoList;
  delete m_groupPicker;
  delete m_listModel;
}

LPCWSTR CContactWnd::GetQzClassName() { return m_pwszCContactWndClassName; }

BOOL CContactWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetTitle(kStrAddressBook);
  const int width = GetWidth();
  const int height = GetHeight();

  m_searchBox.SetPos(0, 0, width, kStripHeight);
  AddUiWin(&m_searchBox);
  m_countButton.SetPos(0, 0, width, kStripHeight);
  m_countButton.SetID(kCountButtonId);
  m_countButton.SetTextColor(0);
  m_countButton.SetPressedTextColor(kCountPressedColour);
  m_countButton.SetTextSize(kCountTextSize);
  m_countButton.SetButtonType(UIBUTTON_TYPE_TEXT);
  m_countButton.SetTextMaxLength(0);
  m_countButton.SetTextOffset(kCountTextOffset);
  AddUiWin(&m_countButton);
  m_searchField.SetPos(kSearchFieldLeft, 0, width - kSearchFieldRightMargin, kStripHeight);
  m_searchField.SetID(kSearchFieldId);
  m_searchField.SetTextColor(0);
  m_searchField.SetTextSize(kCountTextSize);
  m_searchField.SetNoBackground(TRUE);
  m_searchField.SetCenterDisplay(FALSE);
  m_searchField.SetVisible(FALSE);
  m_searchField.SetSipMode(kSearchSipMode, static_cast<DWORD>(-1));
  AddUiWin(&m_searchField);

  m_listModel->kind = AllContacts;
  m_listModel->Reload();
  // The rows just read are the store as it is: the first activation need
  // not read them again.
  DataChanged();
  m_list.SetCustomItemCollection(m_listModel);
  m_list.SetItemHeight(ContactListCollection::kRowHeight);
  m_list.SetMultiSelectMode(0);
  m_list.SetSplitLineMode(LIST_SPLIT_TEXT);
  m_list.EnableDragModeH(FALSE);
  m_list.EnablePressedHoldSupport(TRUE, kHoldMs);
  m_list.SetPos(0, kStripHeight, width, FullListHeight());
  m_list.SetID(kListId);
  m_list.EnableNotifyMessage(TRUE);
  AddUiWin(&m_list);
  UpdateContactsCountDisplay();

  m_toolBar.SetPos(0, height - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  m_toolBar.SetID(kToolBarId);
  SetToolBarTexts(MODE_NORMAL);
  vorna::AddTabButtons(m_toolBar, vorna::kContactsTab);
  AddUiWin(&m_toolBar);

  m_alphabetBar.SetPos(kAlphabetBarLeft, kAlphabetBarTop, kAlphabetBarWidth, m_list.GetHeight() - 20);
  m_alphabetBar.SetID(kAlphabetBarId);
  m_alphabetBar.EnableNotifyMessage(TRUE);
  AddUiWin(&m_alphabetBar);
  UpdateAlphabetBarState();

  RegisterShellNotify(GetHwnd(), SHELL_NOTIFY_CLICK_TASKBAR);
  RegisterShellNotify(GetHwnd(), SHELL_NOTIFY_CLICK_MKEY);
  return TRUE;
}

LRESULT CContactWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case kToolBarId:
      OnToobarPressed(static_cast<long>(lParam));
      break;
    case kCountButtonId:
      SwitchWindowMode(MODE_SEARCH, nullptr, true, true);
      break;
    case kAlphabetBarId:
      OnAlphabetCommand();
      break;
    case kContactInfoListId:
      PressContactInfo(lParam);
      break;
    default:
      break;
  }
  return 0;
}

LRESULT CContactWnd::QzDefWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW:
      OnWindowShow(static_cast<UINT>(wParam));
      break;
    case QZ_WM_ACTIVATE:
      if (LOWORD(wParam) == 1) DecideDbChange();
      break;
    case QZ_WM_EDIT_CHANGE:
      return OnSearchEdit(static_cast<UINT>(wParam), lParam);
    case QZ_WM_LIST_CLICK:
    case QZ_WM_LIST_HOLD:
      if (LOWORD(wParam) == kListId && LOWORD(lParam) < m_list.GetItemCount())
        ContactListItemSelectProc(LOWORD(lParam), HIWORD(lParam), static_cast<int>(message));
      break;
    default: {
      const UINT mKey = GetClickMKeyMessage();
      if (mKey && message == mKey) {
        PostQuitMessage(0);
        SwitchWindowMode(static_cast<CONTACT_WINDOW_MODE>(m_baseMode), nullptr, false, false);
        return 0;
      }
      const UINT taskbar = GetClickTaskbarMessage();
      if (taskbar && message == taskbar) {
        OnTaskbarClick();
        return 0;
      }
      break;
    }
  }
  return CQzWndEx::QzDefWndProc(message, wParam, lParam);
}

// ---- shared pieces ----

void CContactWnd::SetToolBarTexts(CONTACT_WINDOW_MODE mode) {
  const ToolBarTexts texts = ToolBarTextsOf(mode);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(texts.left));
  if (texts.right)
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(texts.right));
  else
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, FALSE, FALSE, L"");
  Redraw(m_toolBar);
}

void CContactWnd::SetTitle(UINT stringId) { SetWindowText(LoadResString(stringId)); }

int CContactWnd::FullListHeight() const { return GetHeight() - kStripHeight - UiToolBarPro::kHeight; }
int CContactWnd::ShortListHeight() const { return FullListHeight() - kKeyboardHeight; }

void CContactWnd::SetListHeight(int height) { m_list.SetPos(0, kStripHeight, GetWidth(), height); }

void CContactWnd::ScrollListToTop() {
  if (m_list.IsScrolling()) m_list.ScrollStop();
  m_list.SetTopPos(0);
}

void CContactWnd::UpdateContactsCountDisplay() {
  const UINT word = m_mode == MODE_GROUP ? kStrGroups : kStrContacts;
  std::wstring text = std::to_wstring(m_list.GetItemCount()) + L" " + LoadResString(word).str();
  m_countButton.SetText(text.c_str());
  Redraw(m_countButton);
}

void CContactWnd::UpdateAlphabetBarState() {
  if (m_list.GetItemCount() < kAlphabetBarMinRows) {
    m_list.EnableScrollBarV(FALSE);
    m_alphabetBar.SetVisible(FALSE);
  } else {
    m_list.EnableScrollBarV(TRUE);
    m_alphabetBar.SetVisible(TRUE);
    CalAlphabetMap();
  }
  Redraw(m_alphabetBar);
}

void CContactWnd::CalAlphabetMap() {
  CDebugTime timing(L"CContactWnd::CalAlphabetMap()");
  AlphabetIndex::Rows rows;
  rows.findLetterRow = [this](wchar_t letter, int start) { return m_listModel->FindLetterRow(letter, start); };
  rows.rowHeight = [this](int row) { return m_list.CalcItemHeight(row); };
  rows.maxOffset = m_list.CalcContentHeight() - m_list.GetHeight();
  m_alphabetMap.Compute(rows);
}

void CContactWnd::MoveToAlphabet(wchar_t letter) {
  int top = 0;
  if (m_alphabetMap.TopPosOf(letter, top)) m_list.SetTopPos(top);
}

void CContactWnd::OnAlphabetCommand() {
  LPCWSTR letter = m_alphabetBar.GetCurLetter();
  if (!letter || !letter[0]) return;
  if (m_list.IsScrolling()) m_list.ScrollStop();
  MoveToAlphabet(letter[0]);
  m_list.Update();
}

bool CContactWnd::DataChanged() { return ContactsChanged(m_listModel->lastDbChangeCount); }

void CContactWnd::DecideDbChange() {
  if (m_mode == MODE_NORMAL) {
    if (!DataChanged()) return;
    m_listModel->Reload();
    UpdateAlphabetBarState();
    UpdateContactsCountDisplay();
    Invalidate(nullptr);
    Update();
  } else if (m_mode == MODE_SEARCH) {
    if (m_searchField.IsVisible()) {
      m_searchField.SetFocus(TRUE);
      m_searchField.SetText(L"");
      Redraw(m_searchField);
    }
    if (!DataChanged()) return;
    m_listModel->Reload();
    Invalidate(nullptr);
    Update();
  }
}

void CContactWnd::OnWindowShow(UINT shown) {
  m_toolBar.SetMiddleButtonHighLight(vorna::kContactsTab);
  if (!shown) {
    if (m_searchField.HasFocus()) m_searchField.SetFocus(FALSE);
    if (m_list.IsScrolling()) {
      m_list.ScrollStop();
      if (m_list.GetTopPos() > 0) m_list.SetTopPos(0);
    }
    return;
  }
  DecideDbChange();
}

void CContactWnd::SendTabSwitch(int tab) {
  if (CQzWnd* parent = CQzWnd::FromHandle(GetParent()))
    parent->SendMessageW(kTabSwitchMessage, reinterpret_cast<WPARAM>(this), tab);
}

HBITMAP CContactWnd::TakeBitmap() { return IsWindowVisible() ? GetWindowBitmap() : nullptr; }

void CContactWnd::Slide(HBITMAP before, int type) {
  if (!before) return;
  AnimateTransition(before, GetWindowBitmap(), type, GetHwnd());
}

void CContactWnd::Redraw(UiWin& control) {
  control.Invalidate(nullptr);
  control.Update();
}
