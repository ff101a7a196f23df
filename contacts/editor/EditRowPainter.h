// How the rows of the contact editor's field list look: which row painter,
// texts and images each row kind uses, and how high each row is.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

struct EditRowLook {
  int kind = 0;
  int index = 0;               // the entry's index in its array
  LPCWSTR text = nullptr;      // the row's own text (ring tone, address, note)
  int pressedZone = -1;        // the zone under the finger, -1 when none
  bool armed = false;          // the delete button asks for confirmation
  ImagingHelper* photo = nullptr;
};

void DrawEditRow(HDC dc, const RECT& rc, const CContactInfo& record, const EditRowLook& row);

// The full height of a row of this kind with this text.
int MeasureEditRow(int kind, LPCWSTR text);
