#pragma once

#include "ce/text_fields.h"

namespace ce::internal {

using ce::EscapeField;
using ce::UnescapeField;

}  // namespace ce::internal
