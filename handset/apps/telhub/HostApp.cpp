#include "HostApp.h"

#include "CallDeskApplet.h"
#include "DialParameters.h"
#include "MsgDeskApplet.h"
#include "RadioBridge.h"
#include "TelPrefsApplet.h"
#include "btlink/BtLink.h"
#include "ce/com.h"
#include "ce/shell.h"
#include "MailComposerWnd.h"
#include "mailcomposer/MailComposer.h"
#include "mailcomposer/MailComposerHost.h"
#include "mediapickers/PhotoSource.h"
#include "mediapickers/RingTonePicker.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

constexpr wchar_t kHostProgram[] = L"\\windows\\telhub.exe";

bool Launch(const wchar_t* program, const std::wstring& parameters) {
  SHELLEXECUTEINFO info{};
  info.cbSize = sizeof info;
  info.lpVerb = L"open";
  info.lpFile = program;
  info.lpParameters = parameters.c_str();
  info.nShow = 5;
  return ShellExecuteEx(&info) != FALSE;
}

}  // namespace

HostApp::HostApp() {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  comStarted_ = SUCCEEDED(hr);
}

HostApp::~HostApp() {
  ce::UnregisterApplet(kHostProgram);
  UnregisterCallDeskApplet();
  UnregisterMsgDeskApplet();
  UnregisterTelPrefsApplet();
  mailcomposer::DiscardMailComposerScreen();
  UnregisterPhotoSources();
  UnregisterRingTonePicker();
  btlink::UnregisterLibrary();
  if (window_) RadioBridge::Get().StopListening(window_->GetHwnd());
  window_.reset();
  if (comStarted_) CoUninitialize();
}

void HostApp::RegisterApplets() {
  RadioBridge::RegisterLibrary();
  ce::RegisterApplet(kHostProgram, [this](const std::wstring& parameters) {
    return Dial(ParseDialParameters(parameters));
  });
  RegisterCallDeskApplet();
  RegisterMsgDeskApplet();
  RegisterTelPrefsApplet();
  RegisterMailComposer(&mailcomposer::OpenMailComposerScreen);
  RegisterPhotoSources();
  RegisterRingTonePicker();
  btlink::RegisterLibrary();
}

bool HostApp::Start(DemoStore demo) {
  setup_ = SetUpDevice(demo);
  RegisterApplets();
  window_ = std::make_unique<CTelhubWnd>();
  RECT area = QzGetWorkArea();
  if (!window_->Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0, 0, 0))
    return false;
  RadioBridge::Get().Listen(window_->GetHwnd());
  window_->Show(TRUE);
  window_->SwitchTab(TAB_DIALER);
  return true;
}

bool HostApp::Dial(const std::wstring& number) {
  if (number.empty()) return false;
  return Launch(kCallDeskProgram, L"-n " + number);
}

}  // namespace telhub
