// The message composer's command lines, fields separated by U+2593:
//   "-n " NUMBERS [ "▓" BODY ]       to numbers (";" or "," between them;
//                                    none when a card goes as message text)
//   "-b " GROUP [ "▓" TEXT ]          to the members of a group (its id)
//   "-v " "▓" "▓" NAME "▓" PATH       a contact's vCard file attached
//   "-c " CARD                       a received card's text, to be viewed
// The body or text is the rest of the line, taken as it stands.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace telhub {

inline constexpr wchar_t kFieldSeparator = L'\u2593';
inline constexpr size_t kMaxMessageParameters = 256 * 1024;
inline constexpr size_t kMaxRecipients = 100;

struct MessageRequest {
  enum class Kind { Numbers, Group, Card, ReceivedCard };
  Kind kind = Kind::Numbers;
  std::vector<std::wstring> numbers;
  int groupId = 0;
  std::wstring body;
  std::wstring cardName;
  std::wstring cardPath;
};

// Nothing for an unknown form, a group id that is not a positive decimal
// number, a number with a control character or longer than 64 characters,
// more than 100 numbers, a card without a path, an empty received card, or
// more than 256 KiB.
std::optional<MessageRequest> ParseMsgDeskArgs(const std::wstring& parameters);

}  // namespace telhub
