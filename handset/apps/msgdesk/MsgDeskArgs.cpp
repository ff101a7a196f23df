#include "MsgDeskArgs.h"

#include <climits>

#include "ArgText.h"

namespace telhub {
namespace {

// The part before the first separator, and the rest after it (if any).
std::wstring_view Head(std::wstring_view text, std::optional<std::wstring_view>* rest) {
  size_t at = text.find(kFieldSeparator);
  if (at == std::wstring_view::npos) {
    *rest = std::nullopt;
    return text;
  }
  *rest = text.substr(at + 1);
  return text.substr(0, at);
}

bool SplitNumbers(std::wstring_view list, std::vector<std::wstring>& numbers) {
  while (!list.empty()) {
    size_t end = list.find_first_of(L";,");
    std::wstring number = TrimBlanks(list.substr(0, end));
    list = end == std::wstring_view::npos ? std::wstring_view{} : list.substr(end + 1);
    if (number.empty()) continue;
    if (!IsPlainNumber(number) || numbers.size() >= kMaxRecipients) return false;
    numbers.push_back(std::move(number));
  }
  return true;
}

bool ParseGroupId(std::wstring_view text, int& id) {
  std::wstring digits = TrimBlanks(text);
  if (digits.empty() || digits.size() > 10) return false;
  long long value = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return false;
    value = value * 10 + (c - L'0');
  }
  if (value <= 0 || value > INT_MAX) return false;
  id = static_cast<int>(value);
  return true;
}

}  // namespace

std::optional<MessageRequest> ParseMsgDeskArgs(const std::wstring& parameters) {
  if (parameters.size() > kMaxMessageParameters || parameters.size() < 3 || parameters[0] != L'-' ||
      parameters[2] != L' ')
    return std::nullopt;
  std::wstring_view rest = std::wstring_view(parameters).substr(3);
  std::optional<std::wstring_view> tail;
  MessageRequest request;
  switch (parameters[1]) {
    case L'n':
      request.kind = MessageRequest::Kind::Numbers;
      if (!SplitNumbers(Head(rest, &tail), request.numbers)) return std::nullopt;
      if (tail) request.body = std::wstring(*tail);
      return request;
    case L'b':
      request.kind = MessageRequest::Kind::Group;
      if (!ParseGroupId(Head(rest, &tail), request.groupId)) return std::nullopt;
      if (tail) request.body = std::wstring(*tail);
      return request;
    case L'v': {
      request.kind = MessageRequest::Kind::Card;
      if (rest.size() < 2 || rest[0] != kFieldSeparator || rest[1] != kFieldSeparator) return std::nullopt;
      request.cardName = std::wstring(Head(rest.substr(2), &tail));
      if (!tail || tail->empty()) return std::nullopt;
      request.cardPath = std::wstring(*tail);
      return request;
    }
    case L'c':
      request.kind = MessageRequest::Kind::ReceivedCard;
      if (rest.empty()) return std::nullopt;
      request.body = std::wstring(rest);
      return request;
    default:
      return std::nullopt;
  }
}

}  // namespace telhub
