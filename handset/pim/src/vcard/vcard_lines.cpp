#include "vcard/vcard_lines.h"

#include <cstring>

#include "vcard/vcard_property.h"

namespace qzpam::vcard {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view LineReader::ReadPhysical() {
  // Lines end in LF (with or without CR before it); only a text without any
  // LF is taken to end its lines in bare CR.
  if (!terminator_) terminator_ = input_.find('\n') != std::string_view::npos ? '\n' : '\r';
  const std::size_t start = pos_;
  const void* hit = std::memchr(input_.data() + start, terminator_, input_.size() - start);
  std::size_t end = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - input_.data()) : input_.size();
  pos_ = hit ? end + 1 : end;
  if (end > start && input_[end - 1] == '\r') --end;
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
