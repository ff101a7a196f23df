// What the library uses of the handset's data library: the store interface,
// phone settings, caller location, the vCard decoder and the data library's
// string and array types.
#pragma once

#include <qzpam/CCallerLocationDbIf.h>
#include <qzpam/CContactsDbIf.h>
#include <qzpam/CVcardCodec.h>
#include <qzpam/PhoneSettingsDbIf.h>
#include <qzpam/qzu_array.h>
#include <qzpam/qzu_string.h>
