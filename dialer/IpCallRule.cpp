#include "dialer/IpCallRule.h"

#include "core/launch/Launchers.h"

IpCallRule IpCallRule::FromSettings() {
  PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
  return IpCallRule(settings ? settings->GetIPInUsed() : qzu::string());
}

qzu::string IpCallRule::DialString(const qzu::string& number) const {
  if (!InUse() || number.find(m_prefix.view()) == 0) return number;
  return m_prefix + number;
}

bool IpCallRule::Dial(const qzu::string& number) const {
  if (!InUse()) return false;
  if (number.empty()) return true;
  DialNumber(DialString(number).c_str(), static_cast<int>(m_prefix.length()));
  return true;
}
