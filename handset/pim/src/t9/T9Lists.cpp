// The smart-dial cursor list of CContactsDbIf.
#include <string>

#include "contacts/ContactsDbState.h"
#include "qzpam/CContactsDbIf.h"
#include "store/StoreAccess.h"

using namespace qzpam;

bool CContactsDbIf::GetT9Suggestions(const qzu::string& digits, T9Suggestion& row, bool first) {
  ContactsDbState& state = *state_;
  return CursorCall(
      state, first,
      [&] {
        state.t9.Reset();
        std::string key;
        for (wchar_t c : digits.view()) key += c >= L'0' && c <= L'9' ? static_cast<char>(c) : '?';
        WithStore(0, [&](Store& store) {
          state.t9.Start(store, state.CurrentSearchIndex(store), std::move(key));
          return 0;
        });
      },
      [&] { return state.t9.Next(row); });
}
