// The IP-call rule, shared by every window that places IP calls (the dial
// window, the call log, the contacts window and the contact info window).
//
// An IP call dials the number with the user's IP-call prefix in front; an
// empty prefix means that none is in use, and then nothing is dialled (each
// window has its own way on: the dial window stays as it is, the lists hand
// the number to the dial window). A number that already begins with the
// prefix is dialled unchanged rather than with the prefix twice. No other
// number is excepted: numbers beginning with "+", short numbers and service
// codes get the prefix like any other. The prefix length goes to DialNumber,
// so that the number is remembered for redial without its prefix.
#pragma once

#include <utility>

#include "platform/PimContract.h"

class IpCallRule {
 public:
  explicit IpCallRule(qzu::string prefix) : m_prefix(std::move(prefix)) {}
  // The prefix in use now, from the phone settings (none without a store).
  static IpCallRule FromSettings();

  bool InUse() const { return !m_prefix.empty(); }

  // What is dialled for `number`: prefix + number, or the number itself when
  // it already begins with the prefix. The number alone when none is in use.
  qzu::string DialString(const qzu::string& number) const;

  // Dials `number` by the rule. False when no prefix is in use: nothing is
  // dialled and the caller goes its own way. An empty number is never
  // dialled (true: the rule applied, there was nothing to call).
  bool Dial(const qzu::string& number) const;

 private:
  qzu::string m_prefix;
};
