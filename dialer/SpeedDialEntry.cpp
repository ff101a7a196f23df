#include "dialer/SpeedDialEntry.h"

SpeedDialEntry SpeedDialEntry::Read(int entry) {
  SpeedDialEntry item;
  if (PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf())
    item.stored = settings->GetSpeedDialItem(entry, item.flag, item.name, item.number);
  return item;
}
