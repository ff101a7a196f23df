// Splits vCard text into logical lines.
//
// Three kinds of continuation are joined into one logical line:
//  - folding: a physical line that starts with a space or tab continues the
//    previous one (vCard 2.1 keeps that whitespace, 3.0 and 4.0 drop it);
//  - quoted-printable soft breaks: a QUOTED-PRINTABLE line that ends in "="
//    continues on the next line, whatever that line starts with;
//  - vCard 2.1 base64: a BASE64 value goes on over unindented lines until a
//    blank line or a line with a colon.
// Lines end in CR LF, LF, CR CR LF or a lone CR, mixed as they come; the
// last line needs no end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qzpam::vcard {

class LineReader {
 public:
  explicit LineReader(std::string_view input) : input_(input) {}

  // The next logical line, valid until the following call; false at the end.
  bool Next(std::string_view& line);

  void SetFoldKeepsWhitespace(bool keep) { fold_keeps_whitespace_ = keep; }

 private:
  enum class Continuation { kNone, kFold, kSoftBreak, kBase64 };

  // What is known about the logical line being built. The head (name and
  // parameters) is scanned once, so long or many-times folded lines cost
  // linear time.
  struct HeadScan {
    std::size_t scanned = 0;  // characters of the line looked at so far
    bool quoted = false;
    bool found = false;  // the value colon has been seen, at `scanned`
    int8_t quoted_printable = -1;  // -1 not yet known
    int8_t base64 = -1;
  };

  std::string_view ReadPhysical();
  static void Scan(std::string_view logical, HeadScan& scan);
  static bool HeadHas(std::string_view logical, HeadScan& scan, std::string_view keyword, int8_t& cached);
  static Continuation ContinuationOf(std::string_view logical, HeadScan& scan, std::string_view next);

  std::string_view input_;
  std::size_t pos_ = 0;
  std::size_t lone_crs_end_ = 0;  // the CRs before this are known to end lines alone
  std::string joined_;
  bool fold_keeps_whitespace_ = true;
};

}  // namespace qzpam::vcard
