#include "contacts/picker/ContactValueInfo.h"

ContactValueInfo::ContactValueInfo() = default;
ContactValueInfo::~ContactValueInfo() = default;
ContactValueInfo::ContactValueInfo(const ContactValueInfo& other) = default;
ContactValueInfo& ContactValueInfo::operator=(const ContactValueInfo& other) = default;
ContactValueInfo::ContactValueInfo(ContactValueInfo&& other) noexcept = default;
ContactValueInfo& ContactValueInfo::operator=(ContactValueInfo&& other) noexcept = default;
