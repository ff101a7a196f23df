#include "vcard/vcard_lines.h"

#include "vcard/vcard_property.h"

namespace qzpam::vcard {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view LineReader::ReadPhysical() {
  const std::size_t start = pos_;
  std::size_t end = start;
  while (end < input_.size() && input_[end] != '\n' && input_[end] != '\r') ++end;
  pos_ = end;
  if (pos_ < input_.size() && input_[pos_] == '\r') ++pos_;
  if (pos_ < input_.size() && input_[pos_] == '\n') ++pos_;
  return input_.substr(start, end - start);
}

void LineReader::Scan(std::string_view logical, HeadScan& scan) {
  if (scan.found) return;
  for (; scan.scanned < logical.size(); ++scan.scanned) {
    const char c = logical[scan.scanned];
    if (c == '"') {
      scan.quoted = !scan.quoted;
    } else if (c == ':' && !scan.quoted) {
      const std::string_view head = logical.substr(0, scan.scanned);
      scan.found = true;
      scan.quoted_printable = ContainsNoCase(head, "QUOTED-PRINTABLE");
      scan.base64 = ContainsNoCase(head, "BASE64");
      return;
    }
  }
}

LineReader::Continuation LineReader::ContinuationOf(std::string_view logical, const HeadScan& scan,
                                                    std::string_view next) {
  // The soft break is checked before folding: the next chunk of a
  // quoted-printable value may itself begin with a literal space. A stray
  // "=" before the end of the card does not swallow END:VCARD.
  if (scan.quoted_printable && logical.size() > scan.scanned + 1 && logical.back() == '=' &&
      !EqualsNoCase(next, "END:VCARD"))
    return Continuation::kSoftBreak;
  if (next.empty()) return Continuation::kNone;
  if (IsBlank(next.front())) return Continuation::kFold;
  if (scan.base64 && next.find(':') == std::string_view::npos) return Continuation::kBase64;
  return Continuation::kNone;
}

bool LineReader::Next(std::string_view& line) {
  if (pos_ >= input_.size()) return false;
  std::string_view logical = ReadPhysical();
  bool joined = false;
  HeadScan scan;
  while (pos_ < input_.size()) {
    const std::size_t mark = pos_;
    const std::string_view next = ReadPhysical();
    Scan(logical, scan);
    const Continuation kind = ContinuationOf(logical, scan, next);
    if (kind == Continuation::kNone) {
      pos_ = mark;
      break;
    }
    if (!joined) {
      joined_.assign(logical);
      joined = true;
    }
    switch (kind) {
      case Continuation::kSoftBreak:
        joined_.pop_back();  // the "=" of the soft break
        joined_.append(next);
        break;
      case Continuation::kFold:
        joined_.append(fold_keeps_whitespace_ ? next : next.substr(1));
        break;
      default:
        joined_.append(next);
        break;
    }
    logical = joined_;
  }
  line = logical;
  return true;
}

}  // namespace qzpam::vcard
