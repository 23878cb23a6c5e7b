#include "harness/records.h"

#include <cstdio>
#include <stdexcept>


namespace e2e {
namespace {

// Undoes the helpers' escaping of '\', CR and LF.
std::string Unescape(std::string_view raw) {
  std::string bytes;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      bytes += raw[i];
      continue;
    }
    char next = raw[++i];
    bytes += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return bytes;
}

}  // namespace

bool Record::Has(std::string_view key) const {
  for (const auto& field : fields_) {
    if (field.first == key) return true;
  }
  return false;
}

const std::string& Record::Text(std::string_view key) const {
  for (const auto& field : fields_) {
    if (field.first == key) return field.second;
  }
  throw std::runtime_error("record has no field \"" + std::string(key) + "\":\n" + ToString());
}

std::vector<std::string> Record::All(std::string_view key) const {
  std::vector<std::string> values;
  for (const auto& field : fields_) {
    if (field.first == key) values.push_back(field.second);
  }
  return values;
}

long long Record::Int(std::string_view key) const { return std::stoll(Text(key), nullptr, 0); }

std::uint32_t Record::Hex(std::string_view key) const {
  return static_cast<std::uint32_t>(std::stoul(Text(key), nullptr, 16));
}

Rect Record::Rectangle(std::string_view key) const {
  Rect rect;
  if (std::sscanf(Text(key).c_str(), "%d,%d,%d,%d", &rect.left, &rect.top, &rect.right, &rect.bottom) != 4) {
    throw std::runtime_error("field \"" + std::string(key) + "\" is not a rectangle: " + Text(key));
  }
  return rect;
}

std::string Record::ToString() const {
  std::string text;
  for (const auto& field : fields_) text += "  " + field.first + "=" + field.second + "\n";
  return text;
}

std::vector<Record> ParseRecords(std::string_view output) {
  std::vector<Record> records;
  Record current;
  bool open = false;
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string_view::npos) break;  // an unfinished line
    std::string_view line = output.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    if (line.empty()) {
      if (open) records.push_back(std::move(current));
      current = Record();
      open = false;
      continue;
    }
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;  // not a field (a stray message)
    current.Add(std::string(line.substr(0, equals)), Unescape(line.substr(equals + 1)));
    open = true;
  }
  return records;
}

Window WindowFrom(const Record& record) {
  Window window;
  window.hwnd = record.Hex("hwnd");
  window.pid = static_cast<std::uint32_t>(record.Int("pid"));
  window.className = record.Text("class");
  window.title = record.Text("title");
  window.rect = record.Rectangle("rect");
  window.client = record.Rectangle("client");
  window.visible = record.Bool("visible");
  window.enabled = record.Bool("enabled");
  window.style = record.Hex("style");
  window.exStyle = record.Hex("exstyle");
  window.owner = record.Hex("owner");
  window.parent = record.Hex("parent");
  window.id = static_cast<int>(record.Int("id"));
  return window;
}

}  // namespace e2e
