#include "platform/win32/dde_win32.h"

#include <windows.h>

#include <ddeml.h>

#include <vector>

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
    if (DdeInitializeA(&instance_, IgnoreTransactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
      instance_ = 0;
      return;
    }
    service_ = DdeCreateStringHandleA(instance_, service.c_str(), CP_WINANSI);
    topic_ = DdeCreateStringHandleA(instance_, topic.c_str(), CP_WINANSI);
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
  // The command goes with its terminating zero, as text; an asynchronous
  // transaction does not wait for the server's work.
  std::vector<BYTE> data(command.begin(), command.end());
  data.push_back(0);
  DWORD result = 0;
  const HDDEDATA sent = DdeClientTransaction(data.data(), static_cast<DWORD>(data.size()), conversation, nullptr,
                                             CF_TEXT, XTYP_EXECUTE, TIMEOUT_ASYNC, &result);
  DdeDisconnect(conversation);
  return sent != nullptr ? DdeOutcome::Sent : DdeOutcome::Refused;
}

}  // namespace platform::win32
