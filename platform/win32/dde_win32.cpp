#include "platform/win32/dde_win32.h"

#include <windows.h>

#include <ddeml.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

HDDEDATA CALLBACK IgnoreTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

// One DDEML instance with the string handles of a service and topic, all
// released on every way out.
class DdeSession {
 public:
  DdeSession(const std::string& service, const std::string& topic) {
    if (DdeInitializeW(&instance_, IgnoreTransactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
      instance_ = 0;
      return;
    }
    service_ = DdeCreateStringHandleW(instance_, Wide(service).c_str(), CP_WINUNICODE);
    topic_ = DdeCreateStringHandleW(instance_, Wide(topic).c_str(), CP_WINUNICODE);
  }
  DdeSession(const DdeSession&) = delete;
  DdeSession& operator=(const DdeSession&) = delete;
  ~DdeSession() {
    if (instance_ == 0) return;
    if (service_ != nullptr) DdeFreeStringHandle(instance_, service_);
    if (topic_ != nullptr) DdeFreeStringHandle(instance_, topic_);
    DdeUninitialize(instance_);
  }

  // The conversation with the service and topic, or nullptr when none answers.
  HCONV Connect() const {
    if (instance_ == 0 || service_ == nullptr || topic_ == nullptr) return nullptr;
    return DdeConnect(instance_, service_, topic_, nullptr);
  }

 private:
  DWORD instance_ = 0;
  HSZ service_ = nullptr;
  HSZ topic_ = nullptr;
};

}  // namespace

DdeOutcome DdeWin32::Execute(const std::string& service, const std::string& topic, const std::string& command) {
  DdeSession session(service, topic);
  const HCONV conversation = session.Connect();
  if (conversation == nullptr) return DdeOutcome::NoConversation;
  // The command goes with its terminating zero, as UTF-16 text like the
  // instance (the system converts it for a server window that takes ANSI);
  // an asynchronous transaction does not wait for the server's work.
  std::wstring text = Wide(command);
  const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  DWORD result = 0;
  const HDDEDATA sent = DdeClientTransaction(reinterpret_cast<BYTE*>(text.data()), size, conversation, nullptr,
                                             CF_UNICODETEXT, XTYP_EXECUTE, TIMEOUT_ASYNC, &result);
  DdeDisconnect(conversation);
  return sent != nullptr ? DdeOutcome::Sent : DdeOutcome::Refused;
}

}  // namespace platform::win32
