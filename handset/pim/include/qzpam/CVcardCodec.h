// CVcardCodec: reads vCards (2.1, 3.0 and 4.0) into contact records.
//
// The decoder reads back every property that the handset's own vCard writer
// emits (N, ORG, CATEGORIES, TEL, EMAIL, URL, X-QQ, X-MSN, ADR, BDAY, NOTE,
// PHOTO, and X-RINGTONE of backups) with the type codes of CContactInfo, plus FN and the forms other
// phones and address books write: TYPE lists and bare 2.1 types, PREF,
// CHARSET parameters, QUOTED-PRINTABLE, BASE64 and data: URI photos, folded
// lines, BDAY as yyyy-mm-dd.
//
// Of a text with several cards the first one is decoded. Each call returns
// true only for a complete card (BEGIN:VCARD to END:VCARD); on false the
// record is left as it was. Text without a CHARSET is read as UTF-8 where it
// is valid UTF-8, and otherwise as GBK, the handset's own code page; files
// may also be UTF-16 behind a byte-order mark. A card keeps at most 100
// entries of each kind and 64 groups; what goes past that is dropped.
#pragma once

#include <cstddef>

#include "qzpam/CContactInfo.h"
#include "qzpam/qzu_string.h"

class CVcardCodec {
 public:
  // Larger inputs are refused: no contact card comes near this size.
  static constexpr std::size_t kMaxCardBytes = 8 * 1024 * 1024;

  // A .vcf file at a CE path under the device root.
  bool DecodeVcfFile(const qzu::string& path, CContactInfo& contact) const;
  // Card text that has already been turned into wide characters.
  bool DecodeVcfBuf(const qzu::string& text, CContactInfo& contact) const;
  // The bytes of a card as they were written or received.
  bool DecodeVcfBytes(const char* bytes, std::size_t length, CContactInfo& contact) const;
};
