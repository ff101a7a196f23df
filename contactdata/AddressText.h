// A contact's address as one text, as the details and the editor show it.
#pragma once

#include "platform/ContactRecord.h"

// Country, province and city on the first line, the street on the next and
// the postcode on the last, lines joined by CR LF; empty parts leave no line.
qzu::string ComposeAddress(const ContactAddressEntry& address);
