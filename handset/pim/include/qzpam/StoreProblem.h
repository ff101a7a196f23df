// Why the contacts store cannot be used, for programs that must tell their
// user (CContactsDbIf::GetContactDbIf only answers null).
#pragma once

#include <string>

namespace qzpam {

// Empty when the store under the current device root opens (it is opened
// now if it was not yet); otherwise one line saying why not: unreadable,
// damaged, not a contacts store, or of a newer schema.
std::string StoreProblem();

}  // namespace qzpam
