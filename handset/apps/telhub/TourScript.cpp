#include "TourScript.h"

#include <charconv>

#include "ce/utf8.h"
#include "qzfc/Screen.h"

namespace telhub {
namespace {

// Splits off the next word (separated by blanks); empty at the end.
std::string_view NextWord(std::string_view& rest) {
  size_t start = rest.find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  size_t end = rest.find_first_of(" \t", start);
  std::string_view word = rest.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
  return word;
}

bool ParseNumber(std::string_view word, long min, long max, long& value) {
  if (word.empty()) return false;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size() && value >= min && value <= max;
}

bool ValidShotName(std::string_view name) {
  if (name.size() < 5 || name.size() > 100 || name.substr(name.size() - 4) != ".png" || name[0] == '.') return false;
  for (char c : name) {
    bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                 c == '_' || c == '-';
    if (!plain) return false;
  }
  return true;
}

class LineReader {
 public:
  LineReader(std::string_view rest, TourStep& step) : rest_(rest), step_(step) {}

  // Reads the points and times a step of this kind takes; false when they
  // are missing, out of range, or followed by more words.
  bool Read(StepKind kind) {
    switch (kind) {
      case StepKind::Tap:
      case StepKind::DoubleTap:
      case StepKind::Press:
      case StepKind::Release: return Point(step_.x, step_.y) && End();
      case StepKind::Hold: return Point(step_.x, step_.y) && Ms() && End();
      case StepKind::Drag: return Point(step_.x, step_.y) && Point(step_.x1, step_.y1) && Ms() && End();
      case StepKind::Wait: return Ms() && End();
      case StepKind::MKey: return End();
      case StepKind::Key: return Key() && End();
      case StepKind::Shot: {
        std::string_view name = NextWord(rest_);
        step_.shot = std::string(name);
        return ValidShotName(name) && End();
      }
      case StepKind::Type: {
        size_t start = rest_.find_first_not_of(" \t");
        if (start == std::string_view::npos) return false;
        std::string_view text = rest_.substr(start);
        bool valid = true;
        step_.text = ce::FromUtf8(text, &valid);
        return valid && !step_.text.empty();
      }
    }
    return false;
  }

 private:
  bool Point(int& x, int& y) {
    long vx = 0, vy = 0;
    if (!ParseNumber(NextWord(rest_), 0, qzfc::Screen::kWidth - 1, vx)) return false;
    if (!ParseNumber(NextWord(rest_), 0, qzfc::Screen::kHeight - 1, vy)) return false;
    x = static_cast<int>(vx);
    y = static_cast<int>(vy);
    return true;
  }
  bool Ms() {
    long ms = 0;
    if (!ParseNumber(NextWord(rest_), 0, kMaxStepMs, ms)) return false;
    step_.ms = static_cast<unsigned>(ms);
    return true;
  }
  bool Key() {
    std::string_view name = NextWord(rest_);
    long code = 0;
    if (name == "back") code = 8;
    else if (name == "enter") code = 13;
    else if (name == "escape") code = 27;
    else if (!ParseNumber(name, 1, 0xFFFF, code) || (code >= 0xD800 && code <= 0xDFFF)) return false;
    step_.key = static_cast<wchar_t>(code);
    return true;
  }
  bool End() { return NextWord(rest_).empty(); }

  std::string_view rest_;
  TourStep& step_;
};

struct KindName {
  const char* name;
  StepKind kind;
};
constexpr KindName kKinds[] = {
    {"tap", StepKind::Tap},   {"doubletap", StepKind::DoubleTap}, {"hold", StepKind::Hold},
    {"press", StepKind::Press}, {"release", StepKind::Release},   {"drag", StepKind::Drag},
    {"type", StepKind::Type}, {"key", StepKind::Key},             {"mkey", StepKind::MKey},
    {"wait", StepKind::Wait}, {"shot", StepKind::Shot},
};

constexpr const char* kTooLarge = "the script is larger than 1 MiB";

}  // namespace

TourScript ParseTourScript(std::string_view text) {
  TourScript script;
  auto fail = [&script](int line, std::string message) {
    script.steps.clear();
    script.error = std::move(message);
    script.errorLine = line;
    return script;
  };
  if (text.size() > kMaxScriptBytes) return fail(0, kTooLarge);
  int lineNo = 0;
  unsigned long long totalMs = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view rest = line;
    std::string_view word = NextWord(rest);
    if (word.empty() || word[0] == '#') continue;
    const KindName* kind = nullptr;
    for (const KindName& k : kKinds)
      if (word == k.name) kind = &k;
    if (!kind) return fail(lineNo, "unknown step '" + std::string(word) + "'");
    if (script.steps.size() >= kMaxSteps) return fail(lineNo, "more than 20000 steps");
    TourStep step;
    step.kind = kind->kind;
    step.line = lineNo;
    if (!LineReader(rest, step).Read(kind->kind))
      return fail(lineNo, "bad arguments for '" + std::string(word) + "'");
    totalMs += step.ms;
    if (totalMs > kMaxScriptMs) return fail(lineNo, "the script lasts longer than 24 hours");
    script.steps.push_back(std::move(step));
  }
  return script;
}

TourScript ReadTourScript(std::istream& in) {
  std::string text(kMaxScriptBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  TourScript script;
  if (in.bad()) {
    script.error = "the script cannot be read";
    return script;
  }
  if (static_cast<size_t>(in.gcount()) > kMaxScriptBytes) {
    script.error = kTooLarge;
    return script;
  }
  text.resize(static_cast<size_t>(in.gcount()));
  return ParseTourScript(text);
}

}  // namespace telhub
