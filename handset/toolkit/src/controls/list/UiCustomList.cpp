#include "qzfc/UiCustomList.h"

#include <algorithm>
#include <cstdlib>

#include "controls/list/CustomRowPainter.h"
#include "qzfc/IItemCollection.h"
#include "qzfc/ImagingHelper.h"

UiCustomList::UiCustomList() = default;

UiCustomList::~UiCustomList() = default;

LPCWSTR UiCustomList::GetUiClassName() const { return L"UiCustomList"; }

void UiCustomList::SetCustomItemCollection(IItemCollection* collection) {
  m_collection = collection;
  SetSelectedIndex(-1);
  m_chosen = -1;
  m_selectMode = LIST_SELECT_PLAIN;
  m_slideOffset = 0;
  UpdateScrollRange();
  Invalidate();
}

int UiCustomList::GetItemCount() { return m_collection ? std::max(0, m_collection->GetItemCount()) : 0; }

int UiCustomList::CalcItemHeight(int index) {
  if (!IsVaryItemHeight() || !m_collection) return GetItemHeight();
  return m_collection->GetItemHeight(index);
}

int UiCustomList::CalcItemPart(int, int x, int) {
  return x >= GetLeft() + GetWidth() - kRightPartWidth ? 2 : 0;
}

void UiCustomList::SetMultiSelectMode(int mode) {
  m_multiSelect = mode;
  Invalidate();
}

void UiCustomList::SelectAll(BOOL select) {
  if (!m_collection) return;
  int count = GetItemCount();
  for (int i = 0; i < count; ++i) m_collection->SetItemSelected(i, select);
  NotifyOwner(QZ_WM_LIST_SELCHANGE, 0xFFFF, 0);
  Invalidate();
}

void UiCustomList::SetSingleSelectItemStyle(int style) {
  m_singleSelect = style == LIST_SINGLE_SELECT_ITEM ? style : LIST_SINGLE_SELECT_NONE;
  if (m_singleSelect == LIST_SINGLE_SELECT_NONE) m_chosen = -1;
  Invalidate();
}

void UiCustomList::SetItemAttribute(const ItemAttribute& attr) {
  m_attr = attr;
  Invalidate();
}

void UiCustomList::EnableDragModeH(BOOL enable) {
  m_dragModeH = enable != FALSE;
  if (!m_dragModeH) CloseDeleteButton();
}

// ---- drawing ----

// The collection may have shrunk since a touch began: a pressed row is asked
// about only while it still exists.
bool UiCustomList::IsRow(int index) { return m_collection && index >= 0 && index < GetItemCount(); }

bool UiCustomList::IsItemPressed(int index) {
  return index == GetSelectedIndex() && m_selectMode == LIST_SELECT_PLAIN;
}

void UiCustomList::DrawItem(HDC hdc, int index, const RECT& rcItem) {
  if (!m_collection) return;
  if (DRAWITEMFUN draw = m_collection->GetDrawItemFunPointer(index)) {
    draw(this, hdc, index, rcItem);
    return;
  }
  ItemAttribute attr = m_attr;
  m_collection->UpdateItemAttribute(this, index, &attr);
  qzfc::RowLook look;
  look.pressed = IsItemPressed(index);
  look.checkBox = m_multiSelect != 0;
  look.checked = look.checkBox && m_collection->IsItemSelected(index);
  look.selected = index == m_chosen || (look.checked && attr.selectedLook);
  look.disabled = m_collection->IsItemDisabled(index) != FALSE;
  if (index == GetSelectedIndex() && m_selectMode != LIST_SELECT_PLAIN) look.deleteWidth = m_slideOffset;
  qzfc::PaintCustomRow(hdc, *m_collection, index, rcItem, attr, look);
}

void UiCustomList::OnDrawGradlines(HDC hdc, int index, const RECT& rcItem) {
  if (m_collection && !m_collection->IsDrawItemGridline(index)) return;
  UiList::OnDrawGradlines(hdc, index, rcItem);
}

// ---- touch ----

void UiCustomList::CloseDeleteButton() {
  if (m_selectMode == LIST_SELECT_PLAIN) return;
  InvalidateItem(GetSelectedIndex());
  m_selectMode = LIST_SELECT_PLAIN;
  m_slideOffset = 0;
  SetSelectedIndex(-1);
}

LRESULT UiCustomList::OnLButtonDown(UINT flags, int x, int y) {
  m_pressX = x;
  m_tapConsumed = false;
  if (m_selectMode == LIST_SELECT_DELETE_SHOWN) {
    bool onButton = CalcIndexOfPos(x, y) == GetSelectedIndex() && x >= GetLeft() + GetWidth() - kDeleteButtonWidth;
    if (!onButton) {
      // The first touch elsewhere only puts the row back.
      CloseDeleteButton();
      m_tapConsumed = true;
    }
    return UiList::OnLButtonDown(flags, x, y);
  }
  LRESULT result = UiList::OnLButtonDown(flags, x, y);
  int item = GetPressedItem();
  if (item >= 0 && !(m_collection && m_collection->IsItemDisabled(item))) {
    SetSelectedIndex(item);
    InvalidateItem(item);
  }
  return result;
}

LRESULT UiCustomList::OnLButtonDblClk(UINT flags, int x, int y) {
  // A second tap soon after the first is just another tap on a list.
  return OnLButtonDown(flags, x, y);
}

LRESULT UiCustomList::OnMouseMove(UINT flags, int x, int y) {
  POINT down = GetPressPoint();
  if (m_selectMode == LIST_SELECT_SLIDING) {
    m_slideOffset = std::clamp(down.x - x, 0, kDeleteButtonWidth);
    InvalidateItem(GetSelectedIndex());
    return UiWin::OnMouseMove(flags, x, y);
  }
  int dx = x - down.x;
  int dy = y - down.y;
  int item = GetPressedItem();
  if (m_dragModeH && IsLButtonDown() && !IsDraggingV() && !m_tapConsumed && m_selectMode == LIST_SELECT_PLAIN &&
      IsRow(item) && std::abs(dx) > kMoveSlop && std::abs(dx) > std::abs(dy) && m_collection->CanDeleteItem(item)) {
    m_selectMode = LIST_SELECT_SLIDING;
    SetSelectedIndex(item);
    m_slideOffset = std::clamp(-dx, 0, kDeleteButtonWidth);
    InvalidateItem(item);
    return UiWin::OnMouseMove(flags, x, y);
  }
  UiList::OnMouseMove(flags, x, y);
  if (IsMouseMoved()) {
    if (m_selectMode == LIST_SELECT_DELETE_SHOWN && IsDraggingV()) CloseDeleteButton();
    if (m_selectMode == LIST_SELECT_PLAIN && GetSelectedIndex() >= 0) {
      InvalidateItem(GetSelectedIndex());
      SetSelectedIndex(-1);
    }
  }
  return 0;
}

void UiCustomList::EndSlide(int x) {
  m_slideOffset = std::clamp(GetPressPoint().x - x, 0, kDeleteButtonWidth);
  InvalidateItem(GetSelectedIndex());
  if (m_slideOffset >= kDeleteButtonWidth / 2) {
    m_selectMode = LIST_SELECT_DELETE_SHOWN;
    m_slideOffset = kDeleteButtonWidth;
  } else {
    CloseDeleteButton();
  }
}

LRESULT UiCustomList::OnLButtonUp(UINT flags, int x, int y) {
  if (m_selectMode == LIST_SELECT_SLIDING) EndSlide(x);
  UiList::OnLButtonUp(flags, x, y);
  if (m_selectMode == LIST_SELECT_PLAIN && GetSelectedIndex() >= 0) {
    InvalidateItem(GetSelectedIndex());
    SetSelectedIndex(-1);
  }
  return 0;
}

void UiCustomList::OnPressedHoldTimeup() {
  if (m_tapConsumed || m_selectMode != LIST_SELECT_PLAIN) return;
  int item = GetPressedItem();
  if (!IsRow(item) || m_collection->IsItemDisabled(item)) return;
  UiList::OnPressedHoldTimeup();
  if (IsHoldReported()) {
    InvalidateItem(GetSelectedIndex());
    SetSelectedIndex(-1);
  }
}

bool UiCustomList::TogglesSelection(int index, int x) {
  if (!m_multiSelect) return false;
  if (!m_partition || x < GetLeft() + kCheckColumnWidth) return true;
  ImagingHelper* right = m_collection->GetItemRightImage(index);
  return !(right && right->IsLoaded());
}

void UiCustomList::OnItemClick(int index, int part) {
  if (m_tapConsumed || !m_collection) return;
  if (m_selectMode == LIST_SELECT_DELETE_SHOWN) {
    if (index != GetSelectedIndex()) return;
    CloseDeleteButton();
    if (m_collection->CanDeleteItem(index)) {
      m_collection->DeleteItem(index);
      if (m_chosen == index) m_chosen = -1;
      else if (m_chosen > index) --m_chosen;
    }
    UpdateScrollRange();
    Invalidate();
    return;
  }
  if (m_collection->IsItemDisabled(index)) return;
  if (TogglesSelection(index, m_pressX)) {
    m_collection->SetItemSelected(index, !m_collection->IsItemSelected(index));
    NotifyOwner(QZ_WM_LIST_SELCHANGE, index, 0);
    InvalidateItem(index);
  }
  if (m_singleSelect == LIST_SINGLE_SELECT_ITEM && index != m_chosen) {
    InvalidateItem(m_chosen);
    m_chosen = index;
    InvalidateItem(index);
  }
  m_collection->OnItemClicked(index);
  UiList::OnItemClick(index, part);
}
