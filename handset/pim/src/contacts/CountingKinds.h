// The counting kinds of the group counts (COUNT_ALL_MEMBERS and the others):
// which members a count takes in, as one SQL condition for every query that
// counts them.
#pragma once

#include "qzpam/CContactsDbIf.h"

// " AND <the contact counts by the counting kind in parameter ?2>", for the
// contact whose identifier is the SQL expression `contactId` (a string
// literal, such as "c.id").
#define QZPAM_COUNTS_BY_KIND(contactId)                                                                   \
  " AND (?2 = 0 OR (?2 = 1 AND EXISTS(SELECT 1 FROM phones p WHERE p.contact_id = " contactId "))"       \
  " OR (?2 = 2 AND EXISTS(SELECT 1 FROM extras e WHERE e.contact_id = " contactId " AND e.category = 1)))"

namespace qzpam {

inline bool ValidCountingKind(int kind) { return kind >= COUNT_ALL_MEMBERS && kind <= COUNT_MEMBERS_WITH_EMAIL; }

}  // namespace qzpam
