#include "platform/headless/fake_file_system.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "platform/text.h"

namespace platform::headless {

namespace {

FileResult ErrnoFailure() {
  return FileResult::Failure(std::strerror(errno));
}

FileResult ErrorCodeFailure(const std::error_code& error) {
  return FileResult::Failure(error.message());
}

}  // namespace

FakeFileSystem::FakeFileSystem(std::filesystem::path hostRoot, std::string executablePath, CallLog* log)
    : root_(std::move(hostRoot)), executablePath_(std::move(executablePath)), log_(log ? log : &ownLog_) {}

std::filesystem::path FakeFileSystem::HostPath(const std::string& windowsPath) const {
  std::string_view rest = windowsPath;
  std::filesystem::path host = root_;
  if (rest.size() >= 2 && rest[1] == ':') {
    host /= std::string(1, rest[0]);
    rest.remove_prefix(2);
  }
  std::string part;
  for (std::string_view::size_type pos = 0; pos < rest.size();) {
    const auto c = static_cast<unsigned char>(rest[pos]);
    if (IsLeadByte(c) && pos + 1 < rest.size()) {
      part.append(rest.substr(pos, 2));
      pos += 2;
      continue;
    }
    if (c == '\\' || c == '/') {
      if (!part.empty()) host /= part;
      part.clear();
    } else {
      part.push_back(static_cast<char>(c));
    }
    ++pos;
  }
  if (!part.empty()) host /= part;
  return host;
}

void FakeFileSystem::MakeFolder(const std::string& windowsPath) {
  std::filesystem::create_directories(HostPath(windowsPath));
}

void FakeFileSystem::InjectFailure(FileOperation operation, std::string message, std::string path, int occurrence) {
  failures_.push_back({operation, std::move(message), std::move(path), occurrence});
}

void FakeFileSystem::InjectException(FileOperation operation, std::string what, std::string path) {
  failures_.push_back({operation, std::move(what), std::move(path), 0, true});
}

bool FakeFileSystem::ShouldFail(FileOperation operation, const std::string& path, std::string& message) {
  // Every rule counts its own matching calls, whether or not another one fires.
  bool fail = false;
  for (auto& failure : failures_) {
    if (failure.operation != operation || (!failure.path.empty() && failure.path != path)) continue;
    ++failure.seen;
    if (!fail && (failure.occurrence == 0 || failure.occurrence == failure.seen)) {
      if (failure.raise) throw std::runtime_error(failure.message);
      message = failure.message;
      fail = true;
    }
  }
  return fail;
}

void FakeFileSystem::Change() {
  if (changes_ == stopAfter_) throw StoppedHere{changes_};
  ++changes_;
}

std::string FakeFileSystem::ExecutablePath() {
  log_->Record("ExecutablePath");
  return executablePath_;
}

FileResult FakeFileSystem::ReadWholeFile(const std::string& path, std::string& contents) {
  log_->Record("ReadWholeFile " + path);
  std::string message;
  if (ShouldFail(FileOperation::Read, path, message)) return FileResult::Failure(message);
  std::ifstream in(HostPath(path), std::ios::binary);
  if (!in) return ErrnoFailure();
  contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return ErrnoFailure();
  return FileResult::Success();
}

FileResult FakeFileSystem::WriteWholeFile(const std::string& path, std::string_view bytes) {
  log_->Record("WriteWholeFile " + path);
  std::string message;
  if (ShouldFail(FileOperation::Write, path, message)) return FileResult::Failure(message);
  Change();
  std::ofstream out(HostPath(path), std::ios::binary | std::ios::trunc);
  if (!out) return ErrnoFailure();
  const auto half = bytes.size() / 2;
  out.write(bytes.data(), static_cast<std::streamsize>(half));
  out.flush();
  Change();
  out.write(bytes.data() + half, static_cast<std::streamsize>(bytes.size() - half));
  out.flush();
  if (!out) return ErrnoFailure();
  return FileResult::Success();
}

FileResult FakeFileSystem::MoveOver(const std::string& source, const std::string& target) {
  log_->Record("MoveOver " + source + " -> " + target);
  std::string message;
  if (ShouldFail(FileOperation::MoveOver, source, message)) return FileResult::Failure(message);
  std::error_code error;
  if (!std::filesystem::exists(HostPath(source), error)) return FileResult::Failure("source missing");
  if (deleteThenRename_) {
    Change();
    std::filesystem::remove(HostPath(target), error);
    if (error) return ErrorCodeFailure(error);
  }
  Change();
  std::filesystem::rename(HostPath(source), HostPath(target), error);
  if (error) return ErrorCodeFailure(error);
  return FileResult::Success();
}

FileResult FakeFileSystem::RemoveFile(const std::string& path) {
  log_->Record("RemoveFile " + path);
  std::string message;
  if (ShouldFail(FileOperation::Remove, path, message)) return FileResult::Failure(message);
  Change();
  std::error_code error;
  std::filesystem::remove(HostPath(path), error);
  if (error) return ErrorCodeFailure(error);
  return FileResult::Success();
}

}  // namespace platform::headless
