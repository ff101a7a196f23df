// What the library uses of the handset's e-mail composer component: its
// class and the two interfaces through which a message is addressed and shown.
#pragma once

#include <mailcomposer/MailComposer.h>
