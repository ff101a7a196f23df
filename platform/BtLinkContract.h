// What the library uses of the handset's Bluetooth sending applet: the
// library name, its entry point, the sending message and the file list.
#pragma once

#include <btlink/BtLink.h>
