// Readable GoogleTest failure messages for the data library's strings.
#pragma once

#include <ostream>

#include "ce/utf8.h"
#include "qzpam/qzu_string.h"

namespace qzu {

inline void PrintTo(const string& text, std::ostream* out) { *out << '"' << ce::ToUtf8(text.view()) << '"'; }

}  // namespace qzu
