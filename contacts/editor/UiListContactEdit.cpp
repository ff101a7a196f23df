#include "contacts/editor/UiListContactEdit.h"

#include "contacts/editor/ContactEditRows.h"
#include "contacts/editor/EditRowPainter.h"
#include "contacts/editor/EntryEdits.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kCollapseStepMs = 50;
// Below this height a shrinking row is gone.
constexpr int kCollapseEndHeight = 2;

}  // namespace

UiListContactEdit::UiListContactEdit() { EnableVaryItemHeight(TRUE); }

UiListContactEdit::~UiListContactEdit() { m_photo.Unload(); }

void UiListContactEdit::ReloadItems() {
  if (!m_record) return;
  StopCollapse();
  RemoveAllItems();
  m_heights.clear();
  RefreshPhoto();
  for (const EditRow& row : BuildEditRows(*m_record, m_mode)) {
    AddItem(row.text.c_str(), EditRowData(row.kind, row.index));
    m_heights.push_back(MeasureEditRow(row.kind, row.text.c_str()));
  }
  UpdateScrollRange();
}

void UiListContactEdit::RefreshPhoto() {
  if (m_record && m_record->photoLength > 0 && m_record->photoData)
    m_photo.LoadFromBuffer(m_record->photoData.get(), static_cast<UINT>(m_record->photoLength), TRUE, TRUE, TRUE);
  else
    m_photo.Unload();
}

int UiListContactEdit::GetRowKind(int row) {
  const ListItem* item = GetItem(row);
  return item ? EditRowKind(item->data) : -1;
}

int UiListContactEdit::GetRowIndex(int row) {
  const ListItem* item = GetItem(row);
  return item ? EditRowIndex(item->data) : -1;
}

int UiListContactEdit::CalcItemHeight(int index) {
  if (index < 0 || index >= static_cast<int>(m_heights.size())) return 0;
  return m_heights[static_cast<size_t>(index)];
}

void UiListContactEdit::BeginPress(int x, int y) {
  m_pressedRow = CalcIndexOfPos(x, y);
  m_pressedZone = m_pressedRow < 0 ? kNoZone : EditRowZone(GetRowKind(m_pressedRow), x - GetLeft());
  if (m_pressedRow < 0) m_pressedRow = -1;
}

LRESULT UiListContactEdit::OnLButtonDown(UINT flags, int x, int y) {
  if (ZonesEnabled()) {
    BeginPress(x, y);
    if (m_pressedRow >= 0) InvalidateItem(m_pressedRow);
  }
  return UiList::OnLButtonDown(flags, x, y);
}

// A quick second tap is a press like any other: it may confirm a delete.
LRESULT UiListContactEdit::OnLButtonDblClk(UINT flags, int x, int y) {
  if (ZonesEnabled()) {
    BeginPress(x, y);
    if (m_pressedRow >= 0) InvalidateItem(m_pressedRow);
  }
  return UiList::OnLButtonDblClk(flags, x, y);
}

LRESULT UiListContactEdit::OnMouseMove(UINT flags, int x, int y) {
  LRESULT result = UiList::OnMouseMove(flags, x, y);
  // A finger that travels cancels the press and disarms a delete button.
  if (IsMouseMoved() && (m_pressedRow >= 0 || m_armedRow >= 0 || GetCollapsingItem() >= 0)) {
    m_pressedZone = kNoZone;
    m_pressedRow = -1;
    m_armedRow = -1;
    StopCollapse();
    Invalidate();
  }
  return result;
}

LRESULT UiListContactEdit::OnLButtonUp(UINT flags, int x, int y) {
  if (!ZonesEnabled()) return UiList::OnLButtonUp(flags, x, y);
  bool armedNow = false;
  if (!IsMouseMoved() && !IsMouseDownAtScrolling() && m_pressedRow >= 0) armedNow = OnTap();
  if (!armedNow && m_armedRow >= 0 && !IsLButtonDblClk()) {
    m_armedRow = -1;
    Invalidate();
  }
  if (m_pressedRow >= 0) Invalidate();
  m_pressedZone = kNoZone;
  m_pressedRow = -1;
  LRESULT result = UiList::OnLButtonUp(flags, x, y);
  Update();
  return result;
}

bool UiListContactEdit::OnTap() {
  const int kind = GetRowKind(m_pressedRow);
  if (kind == EDIT_ROW_PHONE && m_pressedZone == 0) {
    if (m_record && MakePrimaryNumber(*m_record, GetRowIndex(m_pressedRow), CContactsDbIf::GetContactDbIf()))
      Invalidate();
    return false;
  }
  if (m_pressedZone != kNoZone && m_pressedZone == DeleteButtonZone(kind)) {
    if (m_armedRow == m_pressedRow) {
      m_armedRow = -1;
      DeletePressedEntry();
      return false;
    }
    m_armedRow = m_pressedRow;
    return true;
  }
  PostCommandMessage(GetID(), 0, MAKELONG(m_pressedRow, m_pressedZone));
  return false;
}

void UiListContactEdit::DeletePressedEntry() {
  if (!m_record) return;
  const int row = m_pressedRow;
  const int height = CalcItemHeight(row);
  if (!DeleteRowEntry(*m_record, GetRowKind(row), GetRowIndex(row), CContactsDbIf::GetContactDbIf())) return;
  ReloadItems();
  // The deleted row's place stays as an empty gap that shrinks away.
  InsertItem(row, L"", EditRowData(EDIT_ROW_GAP, 0));
  m_heights.insert(m_heights.begin() + row, 0);
  SetCollapsingItem(row, height);
  SetTimer(GetParentHwnd(), GetCollapseTimerId(), kCollapseStepMs, nullptr);
  SetSelectedIndex(-1);
  Invalidate();
}

LRESULT UiListContactEdit::OnTimer(UINT_PTR timerId) {
  if (timerId == GetCollapseTimerId()) {
    const int row = GetCollapsingItem();
    const int height = GetCollapsingHeight() * 3 / 4;
    if (row < 0 || height < kCollapseEndHeight)
      StopCollapse();
    else
      SetCollapsingItem(row, height);
    Redraw();
  }
  return UiList::OnTimer(timerId);
}

void UiListContactEdit::StopCollapse() {
  const int row = GetCollapsingItem();
  if (GetParentHwnd()) KillTimer(GetParentHwnd(), GetCollapseTimerId());
  if (row < 0) return;
  SetCollapsingItem(-1, 0);
  if (GetRowKind(row) == EDIT_ROW_GAP) {
    RemoveItem(row);
    m_heights.erase(m_heights.begin() + row);
  }
  UpdateScrollRange();
}

void UiListContactEdit::DrawItem(HDC hdc, int index, const RECT& rcItem) {
  const ListItem* item = GetItem(index);
  if (!item || !m_record) return;
  EditRowLook look;
  look.kind = EditRowKind(item->data);
  look.index = EditRowIndex(item->data);
  look.text = item->text.c_str();
  look.pressedZone = index == m_pressedRow ? m_pressedZone : kNoZone;
  look.armed = index == m_armedRow;
  look.photo = &m_photo;
  DrawEditRow(hdc, rcItem, *m_record, look);
}

void UiListContactEdit::Redraw() {
  Invalidate();
  Update();
}
