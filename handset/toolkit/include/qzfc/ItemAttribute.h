// ItemAttribute: how a UiCustomList lays out the texts of one row. The list
// hands each row a copy of its defaults to IItemCollection::UpdateItemAttribute,
// which may change it for that row before the row is drawn.
//
// Coordinates are relative to the row: x from the row's left edge, tops
// from the row's top, bottoms as margins above the row's bottom.
#pragma once

#include "ce/gdi.h"

// CreateItemAttribute styles.
#define ITEM_ATTR_CHECK_LIST 1001  // rows behind check boxes: selected rows are tinted

class ItemAttribute {
 public:
  // The attributes of a style (ITEM_ATTR_*); the defaults for any other value.
  static ItemAttribute CreateItemAttribute(int style);

  // Font, colour and DrawTextW format of the description (the sub text).
  void SetDescTextParam(int size, COLORREF color, int weight, BOOL italic, BOOL underline, UINT format);

  // The main text: one line, vertically centred in its band.
  int textSize = 27;
  COLORREF textColor = 0x000000;
  COLORREF textPressedColor = 0x643200;

  // Texts 3 and 4: small, right-aligned at the top and bottom of the row.
  int smallTextSize = 18;
  COLORREF smallTextColor = 0x958E82;

  // The description's font (see SetDescTextParam).
  int descSize = 20;
  COLORREF descColor = 0x958E82;
  int descWeight = FW_NORMAL;
  BOOL descItalic = FALSE;
  BOOL descUnderline = FALSE;
  UINT descFormat = DT_SINGLELINE | DT_EDITCONTROL | DT_END_ELLIPSIS;

  // The description's band: left x, top, right x (0: the end of the text
  // area) and the margin above the row's bottom.
  int descLeft = 90;
  int descTop = 45;
  int descRight = 0;
  int descBottom = 5;

  // Whether the row shows the pressed look while a finger is on it. Rows
  // that do nothing when tapped (a hint) turn it off.
  BOOL pressedLook = TRUE;

  // Whether rows the collection reports selected get a tinted background
  // (besides their checked box).
  BOOL selectedLook = FALSE;
};
