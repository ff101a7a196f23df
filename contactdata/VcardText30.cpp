#include "contactdata/VcardText30.h"

#include "ce/utf8.h"

namespace VcardText30 {
namespace {

constexpr std::size_t kLineBytes = 75;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void AppendEscaped(std::string& out, std::wstring_view text) {
  std::size_t plain = 0;  // start of the run not yet appended
  auto flush = [&](std::size_t end) { out += ce::ToUtf8(text.substr(plain, end - plain)); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c != L'\\' && c != L',' && c != L';' && c != L'\n' && c != L'\r') continue;
    flush(i);
    plain = i + 1;
    if (c == L'\r') {
      if (i + 1 < text.size() && text[i + 1] == L'\n') plain = ++i + 1;
      out += "\\n";
    } else {
      out += '\\';
      out += c == L'\n' ? 'n' : static_cast<char>(c);
    }
  }
  flush(text.size());
}

void AppendFolded(std::string& card, std::string_view line) {
  std::size_t room = kLineBytes;
  while (line.size() > room) {
    std::size_t cut = room;
    while (cut > 1 && IsContinuationByte(line[cut])) --cut;
    card.append(line.substr(0, cut)).append("\r\n ");
    line.remove_prefix(cut);
    room = kLineBytes - 1;  // the leading space counts
  }
  card.append(line).append("\r\n");
}

}  // namespace VcardText30
