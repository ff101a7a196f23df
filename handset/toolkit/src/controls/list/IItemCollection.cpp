#include "qzfc/IItemCollection.h"

IItemCollection::~IItemCollection() = default;

int IItemCollection::GetItemBgType(int) { return ITEM_BG_NORMAL; }

void IItemCollection::UpdateItemAttribute(UiCustomList*, int, ItemAttribute*) {}

DRAWITEMFUN IItemCollection::GetDrawItemFunPointer(int) { return nullptr; }

BOOL IItemCollection::IsDrawItemGridline(int) { return TRUE; }

BOOL IItemCollection::IsItemDisabled(int) { return FALSE; }
