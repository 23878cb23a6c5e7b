#include "common/record.h"

#include "common/failure.h"
#include "common/paths.h"
#include "common/utf8.h"

namespace e2e {

Record& Record::Text(std::string_view key, std::string_view value) {
  lines_.append(key);
  lines_ += '=';
  for (char c : value) {
    switch (c) {
      case '\\':
        lines_ += "\\\\";
        break;
      case '\r':
        lines_ += "\\r";
        break;
      case '\n':
        lines_ += "\\n";
        break;
      default:
        lines_ += c;
    }
  }
  lines_ += '\n';
  return *this;
}

Record& Record::Int(std::string_view key, long long value) { return Text(key, std::to_string(value)); }

Record& Record::Hex(std::string_view key, unsigned long value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08lX", value);
  return Text(key, buffer);
}

Record& Record::Handle(std::string_view key, const void* handle) {
  return Hex(key, static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(handle)));
}

Record& Record::Bool(std::string_view key, bool value) { return Text(key, value ? "1" : "0"); }

Record& Record::Rectangle(std::string_view key, const RECT& rect) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%ld,%ld,%ld,%ld", rect.left, rect.top, rect.right, rect.bottom);
  return Text(key, buffer);
}

void Record::WriteTo(FILE* out) const {
  std::string bytes = Serialized();
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fflush(out);
}

void Record::AppendToExeLog() const {
  const std::wstring path = ModuleLogPath();
  const std::string name = Utf8(path);
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) FailWithLastError("CreateFileW(" + name + ")");
  std::string bytes = Serialized();
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) FailWithLastError("WriteFile(" + name + ")");
}

}  // namespace e2e
