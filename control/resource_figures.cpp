#include "control/resource_figures.h"

namespace pelorin {

namespace {

constexpr std::uint64_t kKilobyte = 1024;

std::uint64_t RoundedKilobytes(std::uint64_t bytes) {
  const std::uint64_t whole = bytes / kKilobyte;
  const std::uint64_t rest = bytes % kKilobyte;
  if (rest > kKilobyte / 2 || (rest == kKilobyte / 2 && whole % 2 == 1)) return whole + 1;
  return whole;
}

}  // namespace

std::string ClockText(platform::Locale& locale, const platform::LocalTime& time) {
  const bool midnight = time.Hour == 0 && time.Minute == 0 && time.Second == 0 && time.Millisecond == 0;
  std::string text = locale.ShortDate(time);
  if (!midnight) text.append(" ").append(locale.LongTime(time));
  return text;
}

std::string KilobyteText(std::uint64_t bytes, const std::string& thousandsSeparator) {
  const std::string digits = std::to_string(RoundedKilobytes(bytes));
  std::string text;
  for (std::string::size_type i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += thousandsSeparator;
    text += digits[i];
  }
  return text.append("KB");
}

int MemoryInUsePercent(const platform::MemoryStatus& memory) {
  const std::uint64_t hundredth = memory.TotalPhysical / kKilobyte / 100;
  if (hundredth == 0) return 0;
  const std::uint64_t available = memory.AvailablePhysical / kKilobyte / hundredth;
  return available >= 100 ? 0 : static_cast<int>(100 - available);
}

std::string MemoryHint(const platform::MemoryStatus& memory, const std::string& thousandsSeparator) {
  std::string hint = "メモリ使用率 : ";
  hint.append(KilobyteText(memory.AvailablePhysical, thousandsSeparator))
      .append(" / ")
      .append(KilobyteText(memory.TotalPhysical, thousandsSeparator));
  return hint;
}

}  // namespace pelorin
