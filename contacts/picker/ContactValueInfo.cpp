#include "contacts/picker/ContactValueInfo.h"

ContactValueInfo::ContactValueInfo() = default;
ContactValueInfo::~ContactValueInfo() = default;
ContactValueInfo::ContactValueInfo(const ContactValueInfo& other) = default;
ContactValueInfo& ContactValueInfo::operator=(const ContactValueInfo& other) = default;
