#include "platform/incoming_path.h"

#include "platform/text.h"

namespace platform {

namespace {

std::optional<std::string> Fitting(std::u16string_view name, std::string_view folder) {
  std::string ansi;
  if (name.empty() || !Cp932FromWide(name, ansi) || folder.size() + ansi.size() >= kMaxPath) return std::nullopt;
  return ansi;
}

}  // namespace

std::optional<std::string> KeepName(const SystemName& name, std::string_view folder) {
  if (auto whole = Fitting(name.Long, folder)) return whole;
  return Fitting(name.Short, folder);
}

IncomingPath Incoming(const SystemName& path) {
  IncomingPath incoming;
  Cp932FromWide(path.Long, incoming.Shown);
  if (auto kept = KeepName(path)) incoming.Path = std::move(*kept);
  return incoming;
}

bool TakeChosen(std::optional<IncomingPath> chosen, std::string& path, std::string& refused) {
  refused.clear();
  if (!chosen) return false;
  if (!chosen->Kept()) {
    refused = std::move(chosen->Shown);
    return false;
  }
  path = std::move(chosen->Path);
  return true;
}

}  // namespace platform
