#include "dialer/SuggestionRows.h"

namespace {

bool AllDigits(const std::wstring& text) {
  for (wchar_t c : text)
    if (c < L'0' || c > L'9') return false;
  return !text.empty();
}

}  // namespace

void SuggestionRows::Search(const std::wstring& typed, size_t count) {
  Clear();
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db || !AllDigits(typed)) return;
  T9Suggestion row;
  if (!db->GetT9Suggestions(qzu::string(typed.c_str()), row, true)) return;
  m_rows.push_back(std::move(row));
  m_more = true;
  ReadUpTo(count);
}

void SuggestionRows::ReadUpTo(size_t count) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) m_more = false;
  while (m_more && m_rows.size() < count) {
    T9Suggestion row;
    m_more = db->GetT9Suggestions(qzu::string(), row, false);
    if (m_more) m_rows.push_back(std::move(row));
  }
}

void SuggestionRows::Clear() {
  m_rows.clear();
  m_more = false;
}

const T9Suggestion* SuggestionRows::Row(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= m_rows.size()) return nullptr;
  return &m_rows[static_cast<size_t>(index)];
}
