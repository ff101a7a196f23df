// UiCustomList: a UiList whose rows come from an IItemCollection (not owned).
// It draws rows itself (images, main text, description, texts 3 and 4,
// pressed look, check boxes) unless the collection supplies a routine for a
// row, and queries the collection only about rows it draws or that were
// touched.
//
// Taps report QZ_WM_LIST_CLICK with part 2 for the right-hand part of a row
// (the last kRightPartWidth pixels) and 0 elsewhere; a held press reports
// QZ_WM_LIST_HOLD the same way.
//
// Multiple selection (SetMultiSelectMode 1) draws a check box in the left
// column and a tap toggles the row (IItemCollection::SetItemSelected) and
// reports QZ_WM_LIST_SELCHANGE before the tap itself. Partitioned, only the
// check box selects on rows that show a right image (rows that open
// something); a tap on the rest of such a row is only reported.
//
// With the single-selection style (SetSingleSelectItemStyle 1002) a tap
// also makes the row the chosen row, shown tinted until another row is
// tapped or the collection is replaced.
//
// With horizontal dragging on, a row that CanDeleteItem allows is slid to
// the left to uncover its delete button; a tap on the button calls
// DeleteItem, a tap anywhere else closes it.
#pragma once

#include "qzfc/ItemAttribute.h"
#include "qzfc/UiList.h"

class IItemCollection;

// GetSelectMode: the state of the selected row.
#define LIST_SELECT_PLAIN 0
#define LIST_SELECT_SLIDING 1     // a finger slides it
#define LIST_SELECT_DELETE_SHOWN 2  // its delete button is uncovered

// SetSingleSelectItemStyle.
#define LIST_SINGLE_SELECT_NONE 0
#define LIST_SINGLE_SELECT_ITEM 1002

class UiCustomList : public UiList {
 public:
  UiCustomList();
  ~UiCustomList() override;

  LPCWSTR GetUiClassName() const override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  void OnPressedHoldTimeup() override;

  int GetItemCount() override;
  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;
  void OnDrawGradlines(HDC hdc, int index, const RECT& rcItem) override;
  int CalcItemHeight(int index) override;
  int CalcItemPart(int index, int x, int y) override;
  void OnItemClick(int index, int part) override;

  void SetCustomItemCollection(IItemCollection* collection);
  IItemCollection* GetCustomItemCollection() const { return m_collection; }

  // 0 single (taps only), 1 multiple selection with check boxes.
  void SetMultiSelectMode(int mode);
  int GetMultiSelectMode() const { return m_multiSelect; }
  void EnablePartitionMultiSelect(BOOL enable) { m_partition = enable != FALSE; }
  BOOL IsPartitionMultiSelect() const { return m_partition; }
  // Sets every row's selected flag and reports the change.
  void SelectAll(BOOL select);
  // LIST_SINGLE_SELECT_ITEM: a tap chooses the row; LIST_SINGLE_SELECT_NONE: taps only.
  void SetSingleSelectItemStyle(int style);
  int GetSingleSelectItemStyle() const { return m_singleSelect; }
  // The row chosen by the last tap in the single-selection style, or -1.
  int GetSingleSelectedItem() const { return m_chosen; }

  void EnableDragModeH(BOOL enable);
  BOOL IsDragModeH() const { return m_dragModeH; }
  int GetSelectMode() const { return m_selectMode; }

  // The layout every row starts from (the collection may change it per row).
  ItemAttribute& GetItemAttribute() { return m_attr; }
  void SetItemAttribute(const ItemAttribute& attr);

  static constexpr int kRightPartWidth = 106;
  static constexpr int kDeleteButtonWidth = 150;
  static constexpr int kCheckColumnWidth = 80;

 private:
  bool IsRow(int index);
  bool IsItemPressed(int index);
  bool TogglesSelection(int index, int x);
  void CloseDeleteButton();
  void EndSlide(int x);

  IItemCollection* m_collection = nullptr;
  ItemAttribute m_attr;
  int m_multiSelect = 0;
  bool m_partition = false;
  bool m_dragModeH = false;
  int m_singleSelect = LIST_SINGLE_SELECT_NONE;
  int m_chosen = -1;

  int m_selectMode = LIST_SELECT_PLAIN;
  int m_slideOffset = 0;    // how far the selected row is slid (pixels, >= 0)
  bool m_tapConsumed = false;  // the touch closed a delete button
  int m_pressX = 0;
};
