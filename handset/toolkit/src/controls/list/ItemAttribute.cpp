#include "qzfc/ItemAttribute.h"

ItemAttribute ItemAttribute::CreateItemAttribute(int style) {
  ItemAttribute attr;
  if (style == ITEM_ATTR_CHECK_LIST) attr.selectedLook = TRUE;
  return attr;
}

void ItemAttribute::SetDescTextParam(int size, COLORREF color, int weight, BOOL italic, BOOL underline, UINT format) {
  descSize = size;
  descColor = color;
  descWeight = weight;
  descItalic = italic;
  descUnderline = underline;
  descFormat = format;
}
