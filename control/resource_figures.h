#pragma once
// The texts and figures the control window's clock and gauges show.

#include <cstdint>
#include <string>

#include "platform/locale.h"
#include "platform/system.h"

namespace pelorin {

// The system's short date, a blank and its long time; the date alone at
// exactly midnight.
std::string ClockText(platform::Locale& locale, const platform::LocalTime& time);

// Bytes as whole kilobytes (halves to even) with thousands separators and
// "KB": 268435456 gives "262,144KB".
std::string KilobyteText(std::uint64_t bytes, const std::string& thousandsSeparator);

// Per cent of physical memory in use, in whole steps of a hundredth of the
// total: 100 - (available KB) / (total KB / 100). 0 when the total is too
// small to divide by, never outside 0..100.
int MemoryInUsePercent(const platform::MemoryStatus& memory);

// "メモリ使用率 : <available> / <total>".
std::string MemoryHint(const platform::MemoryStatus& memory, const std::string& thousandsSeparator);

}  // namespace pelorin
