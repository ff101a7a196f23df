// Reads one vCard (2.1, 3.0 or 4.0) into a contact record.
#pragma once

#include <string_view>

#include "qzpam/CContactInfo.h"

namespace qzpam::vcard {

// Decodes the first card in `bytes`; the cards after it are ignored, and so
// are cards nested in it (an AGENT's). False, leaving `contact` untouched,
// when there is no card or the first one has no END:VCARD.
// `utf8_allowed` tells whether values without a CHARSET may be read as UTF-8
// (see TextDecoder).
bool ReadFirstCard(std::string_view bytes, bool utf8_allowed, CContactInfo& contact);

}  // namespace qzpam::vcard
