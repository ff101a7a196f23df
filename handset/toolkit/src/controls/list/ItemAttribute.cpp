#include "qzfc/ItemAttribute.h"

void ItemAttribute::SetDescTextParam(int size, COLORREF color, int weight, BOOL italic, BOOL underline, UINT format) {
  descSize = size;
  descColor = color;
  descWeight = weight;
  descItalic = italic;
  descUnderline = underline;
  descFormat = format;
}
