#include "vcard/vcard_lines.h"

#include "vcard/vcard_property.h"

namespace qzpam::vcard {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view LineReader::ReadPhysical() {
  const std::size_t start = pos_;
  std::size_t end = input_.find_first_of("\r\n", start);
  if (end == std::string_view::npos) {
    pos_ = end = input_.size();
  } else if (input_[end] == '\n') {
    pos_ = end + 1;
  } else if (end < lone_crs_end_) {
    pos_ = end + 1;
  } else {
    // CR LF, or CR CR LF as some exporters and mail gateways write it, is
    // one line end; a CR with no LF after it ends a line by itself. A run of
    // lone CRs is looked through once, not once per line.
    std::size_t after = end;
    while (after < input_.size() && input_[after] == '\r') ++after;
    const bool lf = after < input_.size() && input_[after] == '\n';
    if (!lf) lone_crs_end_ = after;
    pos_ = lf ? after + 1 : end + 1;
  }
  return input_.substr(start, end - start);
}

// Finds the value colon, looking only at what was appended since last time.
void LineReader::Scan(std::string_view logical, HeadScan& scan) {
  if (scan.found) return;
  for (; scan.scanned < logical.size(); ++scan.scanned) {
    const char c = logical[scan.scanned];
    if (c == '"') {
      scan.quoted = !scan.quoted;
    } else if (c == ':' && !scan.quoted) {
      scan.found = true;
      return;
    }
  }
}

bool LineReader::HeadHas(std::string_view logical, HeadScan& scan, std::string_view keyword, int8_t& cached) {
  if (cached < 0) {
    Scan(logical, scan);
    if (!scan.found) return false;  // the head may go on in a folded line
    cached = ContainsNoCase(logical.substr(0, scan.scanned), keyword);
  }
  return cached > 0;
}

// The head is looked at only when the line's shape asks for it, which keeps
// ordinary lines cheap.
LineReader::Continuation LineReader::ContinuationOf(std::string_view logical, HeadScan& scan,
                                                    std::string_view next) {
  // The soft break is checked before folding: the next chunk of a
  // quoted-printable value may itself begin with a literal space. A stray
  // "=" before the end of the card does not swallow END:VCARD.
  if (!logical.empty() && logical.back() == '=' && !EqualsNoCase(next, "END:VCARD") &&
      HeadHas(logical, scan, "QUOTED-PRINTABLE", scan.quoted_printable) && logical.size() > scan.scanned + 1)
    return Continuation::kSoftBreak;
  if (next.empty()) return Continuation::kNone;
  if (IsBlank(next.front())) return Continuation::kFold;
  if (next.find(':') == std::string_view::npos && HeadHas(logical, scan, "BASE64", scan.base64))
    return Continuation::kBase64;
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
