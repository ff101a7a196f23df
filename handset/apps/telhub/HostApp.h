// The phone host as a program: it sets up the device, registers the applets
// that run inside it (the in-call screen, the message composer, the phone
// settings, the host's own "-k" dialling), and shows the main window on the
// dialer tab. Tests start it the same way on the headless screen.
#pragma once

#include <memory>
#include <string>

#include "HostSetup.h"
#include "TelhubWnd.h"

namespace telhub {

class HostApp {
 public:
  HostApp();
  ~HostApp();
  HostApp(const HostApp&) = delete;
  HostApp& operator=(const HostApp&) = delete;

  // False when the main window cannot be created.
  bool Start(DemoStore demo);
  // Places a call to the number through the in-call screen, as "-k NUMBER"
  // asks; false for an empty number.
  bool Dial(const std::wstring& number);

  CTelhubWnd& Window() { return *window_; }
  const SetupReport& Setup() const { return setup_; }

 private:
  void RegisterApplets();

  std::unique_ptr<CTelhubWnd> window_;
  SetupReport setup_;
  bool comStarted_ = false;
};

}  // namespace telhub
