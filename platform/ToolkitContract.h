// What the library uses of the handset's UI toolkit: windows, controls,
// lists, dialogs, drawing helpers, strings and images.
#pragma once

#include <qzfc/AnimateHelper.h>
#include <qzfc/DebugTime.h>
#include <qzfc/FontHelper.h>
#include <qzfc/IItemCollection.h>
#include <qzfc/ImagingHelper.h>
#include <qzfc/ItemAttribute.h>
#include <qzfc/MemoryDC.h>
#include <qzfc/QzDraw.h>
#include <qzfc/QzMessageBox.h>
#include <qzfc/QzPopupMenu.h>
#include <qzfc/QzRegKey.h>
#include <qzfc/QzResources.h>
#include <qzfc/QzSetDaily.h>
#include <qzfc/QzString.h>
#include <qzfc/QzUtil.h>
#include <qzfc/QzWnd.h>
#include <qzfc/QzWndEx.h>
#include <qzfc/UiAlphabetBar.h>
#include <qzfc/UiButton.h>
#include <qzfc/UiButtonEx.h>
#include <qzfc/UiCustomList.h>
#include <qzfc/UiEdit.h>
#include <qzfc/UiList.h>
#include <qzfc/UiPicture.h>
#include <qzfc/UiPicture2.h>
#include <qzfc/UiScrollWin.h>
#include <qzfc/UiSearchBox.h>
#include <qzfc/UiSingleLineEdit.h>
#include <qzfc/UiSlideBar.h>
#include <qzfc/UiStatic.h>
#include <qzfc/UiToolBarPro.h>
#include <qzfc/UiWin.h>
#include <qzfc/WinApi.h>
