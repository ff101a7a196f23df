#include "core/util/ChangeChecks.h"

#include "platform/PimContract.h"

namespace {

bool CounterMoved(int current, int& cache) {
  if (current == cache) return false;
  cache = current;
  return true;
}

}  // namespace

bool CallsChanged(int& cache) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  return db && CounterMoved(db->GetCallsChangeCount(), cache);
}

bool ContactsChanged(int& cache) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  return db && CounterMoved(db->GetDbChangeCount(), cache);
}

void SyncCallsChangeCount(int& cache) {
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) cache = db->GetCallsChangeCount();
}
