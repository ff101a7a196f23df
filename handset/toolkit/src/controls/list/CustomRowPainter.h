// The default look of a UiCustomList row: background, left image (or check
// box), right image, main text, description, texts 3 and 4, and the delete
// button of a slid row.
#pragma once

#include "ce/gdi.h"

class IItemCollection;
class ItemAttribute;

namespace qzfc {

struct RowLook {
  bool pressed = false;
  bool checkBox = false;
  bool checked = false;
  bool selected = false;  // tinted: the chosen row, or a selected row of a check list
  bool disabled = false;
  int deleteWidth = 0;  // pixels of the delete button uncovered at the right
};

void PaintCustomRow(HDC hdc, IItemCollection& rows, int index, const RECT& rc, const ItemAttribute& attr,
                    const RowLook& look);

}  // namespace qzfc
