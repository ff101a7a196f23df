// The instance of CContactsDbIf and its change counters.
#include "qzpam/CContactsDbIf.h"

#include "contacts/ContactsDbState.h"
#include "store/StoreAccess.h"

using namespace qzpam;

CContactsDbIf::CContactsDbIf() : state_(std::make_unique<ContactsDbState>()) {}

CContactsDbIf::~CContactsDbIf() = default;

CContactsDbIf* CContactsDbIf::GetContactDbIf() {
  // The instance outlives a change of device root (its store is reopened
  // there), so pointers that callers keep stay valid.
  static CContactsDbIf* const instance = new CContactsDbIf();
  return StoreHolder::Get() ? instance : nullptr;
}

int CContactsDbIf::GetDbChangeCount() {
  return WithStore(0, [](Store& store) { return store.Counter("contacts"); });
}

int CContactsDbIf::GetCallsChangeCount() {
  return WithStore(0, [](Store& store) { return store.Counter("calls"); });
}

namespace qzpam {

std::shared_ptr<const ContactSnapshot> ContactsDbState::CurrentSnapshot(Store& store) {
  snapshot = ContactSnapshot::Refresh(store, snapshot);
  return snapshot;
}

std::shared_ptr<const FuzzyIndex> ContactsDbState::CurrentSearchIndex(Store& store) {
  std::shared_ptr<const ContactSnapshot> now = CurrentSnapshot(store);
  if (!now) return nullptr;
  // Snapshots that share their contacts share the index.
  if (!searchIndex || &searchIndexed->contacts() != &now->contacts()) {
    searchIndex = std::make_shared<const FuzzyIndex>(now->contacts());
    searchIndexed = std::move(now);
  }
  return searchIndex;
}

}  // namespace qzpam
