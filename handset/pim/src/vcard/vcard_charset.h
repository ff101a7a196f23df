// Turns the bytes of a vCard value into wide text.
//
// A CHARSET parameter names the code page (GBK, GB2312, BIG5, UTF-8, ...;
// any name ICU knows). Without one, or with a name nobody knows, the card's
// default applies: UTF-8 where the bytes are valid UTF-8 and the card allows
// it, otherwise GBK, the handset's own code page, in which it writes cards.
#pragma once

#include <string_view>

#include "qzpam/qzu_string.h"

namespace qzpam::vcard {

class TextDecoder {
 public:
  // `utf8_allowed`: whether values without a CHARSET may be read as UTF-8
  // (false for a card whose raw bytes are not valid UTF-8 as a whole).
  explicit TextDecoder(bool utf8_allowed) : utf8_allowed_(utf8_allowed) {}

  qzu::string Decode(std::string_view bytes, std::string_view charset);

 private:
  bool utf8_allowed_;
  // Code page converters this decoder may still open; names past that
  // budget decode as if unnamed.
  int converter_opens_left_ = 8;
};

}  // namespace qzpam::vcard
