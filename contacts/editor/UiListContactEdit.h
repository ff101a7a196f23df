// UiListContactEdit: the contact editor's field list. It shows one record as
// rows (header, add buttons, one row per value, note, birthday, ring tone,
// groups), makes a number the primary one when its star is tapped, deletes a
// value with a two-tap delete button and lets the deleted row shrink away,
// and reports every other tap to its window as a command: the list's id,
// with lParam = row | zone << 16 (a press outside every zone: 0xFFFF).
//
// In add-item mode the list has no add buttons and no zones of its own:
// taps reach the window only as the toolkit's list click.
#pragma once

#include <vector>

#include "contacts/editor/ContactEditKinds.h"
#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

class UiListContactEdit : public UiList {
 public:
  UiListContactEdit();
  ~UiListContactEdit() override;

  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnTimer(UINT_PTR timerId) override;
  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;
  int CalcItemHeight(int index) override;

  void SetMode(int mode) { m_mode = mode; }
  int GetMode() const { return m_mode; }
  // The record shown (not owned).
  void SetContactInfo(CContactInfo* record) { m_record = record; }
  CContactInfo* GetContactInfo() const { return m_record; }

  // Fills the rows from the record again; without a record nothing changes.
  void ReloadItems();
  // Loads the photo from the record's photo bytes, or drops it.
  void RefreshPhoto();

  // The row's kind (EDIT_ROW_KIND) and its entry's index; -1 outside the rows.
  int GetRowKind(int row);
  int GetRowIndex(int row);
  // The row whose delete button now asks for confirmation, or -1.
  int GetArmedRow() const { return m_armedRow; }

 private:
  void BeginPress(int x, int y);
  // Acts on a tap on the pressed row; true when it armed a delete button.
  bool OnTap();
  void DeletePressedEntry();
  void StopCollapse();
  bool ZonesEnabled() const { return m_mode < EDIT_MODE_ADD_ITEM; }
  void Redraw();

  int m_pressedZone = kNoZone;
  int m_pressedRow = -1;
  int m_armedRow = -1;
  ImagingHelper m_photo;
  CContactInfo* m_record = nullptr;
  int m_mode = EDIT_MODE_NEW;
  std::vector<int> m_heights;  // each row's full height, worked out on reload
};
