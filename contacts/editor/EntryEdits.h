// The two edits that the editor's field list makes by itself: choosing the
// primary number and deleting an entry. Each changes the record and, when the
// record is a stored contact (its identifier is not 0), the store too.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/PimContract.h"

// Makes phone entry `index` the contact's one primary number. False when it
// already is or there is no such entry.
bool MakePrimaryNumber(CContactInfo& record, int index, CContactsDbIf* db);

// Deletes what a value row of the field list shows (EDIT_ROW_PHONE,
// EDIT_ROW_EMAIL to EDIT_ROW_NOTE). Without the store nothing is deleted,
// not even from the record, so that the two never disagree. A deleted
// primary number hands its mark to the first remaining number.
bool DeleteRowEntry(CContactInfo& record, int rowKind, int index, CContactsDbIf* db);
