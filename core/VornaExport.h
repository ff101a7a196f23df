// The one mark for what the library exports. Everything else is hidden.
#pragma once

#define VORNALIB_API __attribute__((visibility("default")))
