#pragma once
// A DDE client: one execute command sent to a server's service and topic.

#include <string>

namespace platform {

enum class DdeOutcome {
  Sent,            // the server took the command
  NoConversation,  // no server answers for that service and topic
  Refused,         // the conversation opened but the command was not taken
};

class Dde {
 public:
  virtual ~Dde() = default;

  // Opens a conversation, sends command as an execute transaction (text)
  // without waiting for the server's work, and closes the conversation.
  virtual DdeOutcome Execute(const std::string& service, const std::string& topic, const std::string& command) = 0;
};

}  // namespace platform
