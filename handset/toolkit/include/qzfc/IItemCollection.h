// IItemCollection: the rows behind a UiCustomList. The list asks it, by row
// index, for what a row shows, and only about rows it is about to draw or
// that the user touched; it never walks all rows while scrolling (unless
// the list was told that rows vary in height). Indexes passed in are always
// below GetItemCount().
//
// The operations are in the order of the interface's slots; the ones after
// DeleteItem have defaults here.
#pragma once

#include "ce/gdi.h"
#include "qzfc/QzString.h"

class ImagingHelper;
class ItemAttribute;
class UiCustomList;

// A routine that draws one row in place of the list's own drawing.
typedef void (*DRAWITEMFUN)(UiCustomList* list, HDC hdc, int index, const RECT& rcItem);

// Row backgrounds of GetItemBgType.
#define ITEM_BG_NORMAL 0
#define ITEM_BG_GREY 1

class IItemCollection {
 public:
  // Images at the left (in an 80-pixel column) and at the right of a row,
  // and their looks while the row is pressed; NULL for none. Images stay
  // owned by the collection or the image cache.
  virtual ImagingHelper* GetItemImage(int index) = 0;
  virtual ImagingHelper* GetItemRightImage(int index) = 0;
  virtual ImagingHelper* GetItemImagePressed(int index) = 0;
  virtual ImagingHelper* GetItemRightImagePressed(int index) = 0;
  // The main text, the description below it, and two small texts at the
  // right (top and bottom).
  virtual CQzStringW GetItemText(int index) = 0;
  virtual CQzStringW GetItemSubText(int index) = 0;
  virtual CQzStringW GetItemText3(int index) = 0;
  virtual CQzStringW GetItemText4(int index) = 0;
  virtual int GetItemCount() = 0;
  // Multiple selection; collections of lists without it do nothing and answer 0.
  virtual void SetItemSelected(int index, BOOL selected) = 0;
  // Whether the row may be swiped away (then DeleteItem removes it).
  virtual BOOL CanDeleteItem(int index) = 0;
  virtual BOOL IsItemSelected(int index) = 0;
  // The row's height, used while the list's rows vary in height.
  virtual int GetItemHeight(int index) = 0;
  // Told when a row was tapped, before the list notifies its window.
  virtual void OnItemClicked(int index) = 0;
  virtual void DeleteItem(int index) = 0;

  // ITEM_BG_NORMAL (white) unless the row asks for the grey band.
  virtual int GetItemBgType(int index);
  // May change the row's text layout; the default keeps the list's.
  virtual void UpdateItemAttribute(UiCustomList* list, int index, ItemAttribute* attr);
  // A routine that draws the row itself, or NULL for the list's drawing.
  virtual DRAWITEMFUN GetDrawItemFunPointer(int index);
  // Whether a grid line is drawn below the row.
  virtual BOOL IsDrawItemGridline(int index);
  virtual ~IItemCollection();
  // A disabled row is drawn greyed and ignores taps.
  virtual BOOL IsItemDisabled(int index);
};
