// The CE core services in one include, as code written for the handset expects.
// Each service has its own header under ce/; this umbrella takes every one present.
#pragma once

#include "ce/types.h"
#include "ce/device.h"

#if __has_include("ce/wstring.h")
#include "ce/wstring.h"
#endif
#if __has_include("ce/bstr.h")
#include "ce/bstr.h"
#endif
#if __has_include("ce/codepage.h")
#include "ce/codepage.h"
#endif
#if __has_include("ce/time.h")
#include "ce/time.h"
#endif
#if __has_include("ce/files.h")
#include "ce/files.h"
#endif
#if __has_include("ce/registry.h")
#include "ce/registry.h"
#endif
#if __has_include("ce/clipboard.h")
#include "ce/clipboard.h"
#endif
#if __has_include("ce/memory.h")
#include "ce/memory.h"
#endif
#if __has_include("ce/debug.h")
#include "ce/debug.h"
#endif
#if __has_include("ce/language.h")
#include "ce/language.h"
#endif
#if __has_include("ce/shell.h")
#include "ce/shell.h"
#endif
#if __has_include("ce/modules.h")
#include "ce/modules.h"
#endif
#if __has_include("ce/msgqueue.h")
#include "ce/msgqueue.h"
#endif
#if __has_include("ce/com.h")
#include "ce/com.h"
#endif
#if __has_include("ce/sound.h")
#include "ce/sound.h"
#endif
#if __has_include("ce/window_registry.h")
#include "ce/window_registry.h"
#endif
#if __has_include("ce/gdi.h")
#include "ce/gdi.h"
#endif
