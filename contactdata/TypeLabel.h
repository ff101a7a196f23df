// The type label lookup: which string of the string table names the type of
// a contact's value (a phone number's "手机", an e-mail address's "工作").
#pragma once

#include "ce/types.h"

// The kinds of value a type code belongs to.
enum VALUE_KIND {
  VALUE_KIND_PHONE = 0,
  VALUE_KIND_EMAIL = 1,
  VALUE_KIND_WEB_PAGE = 2,
  VALUE_KIND_MSN = 3,
  VALUE_KIND_QQ = 4,
  VALUE_KIND_ADDRESS = 5,
};

// The string id of the label for a type code of a value kind. A code outside
// the kind's table (negative ones included) gets the label of code 0; a kind
// outside VALUE_KIND gives 0 (no label).
UINT GetTypeLabelId(int valueKind, int typeCode);
