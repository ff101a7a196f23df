// One property value of a vCard 2.1 card as bytes, with the parameters a
// reader needs to get the same text back: CHARSET when it is not plain
// ASCII, QUOTED-PRINTABLE when it holds line breaks or other control
// characters, which would otherwise end or corrupt the card's lines.
#pragma once

#include <string>
#include <string_view>

#include "ce/types.h"

class VcardValue {
 public:
  // How a property carries its value.
  enum class Encoding {
    // Plain text; quoted-printable only where the bytes need it.
    AS_NEEDED,
    // Always quoted-printable, as the note is written.
    QUOTED_PRINTABLE,
  };

  // Converts the text to the handset's code page (GetDefaultAcp); text with
  // characters that the code page lacks is written in UTF-8 instead, so that
  // nothing turns into "?".
  VcardValue(std::wstring_view text, Encoding encoding);

  // Appends the parameters (";CHARSET=...", ";ENCODING=...") and ":".
  void AppendParameters(std::string& card) const;
  // Appends the value. Quoted-printable values are cut into 24-byte chunks,
  // each encoded on its own, joined by soft line breaks ("=" and a line feed).
  void AppendValue(std::string& card) const;

 private:
  std::string bytes_;
  const char* charset_ = nullptr;  // null for ASCII
  bool quotedPrintable_ = false;
};
