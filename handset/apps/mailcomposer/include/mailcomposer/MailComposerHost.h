// For the host program: a composer whose Show, after writing the mail log,
// hands the mail to a screen where the user finishes and sends it.
#pragma once

#include <functional>

#include "mailcomposer/MailLog.h"

using MailScreenOpener = std::function<void(const mailcomposer::ShownMail&)>;

// Makes CLSID_MailComposer creatable in this process; a null opener shows
// no screen (the mail log only).
void RegisterMailComposer(MailScreenOpener openScreen);
