#include "platform/pe_icons.h"

namespace platform {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint64_t kResourceDirectory = 2;
constexpr std::uint64_t kSectionSize = 40;
constexpr std::uint64_t kDirectoryHeader = 16;
constexpr std::uint64_t kEntrySize = 8;

bool Fits(Bytes bytes, std::uint64_t at, std::uint64_t size) { return at <= bytes.size() && size <= bytes.size() - at; }

// Little-endian reads; the caller has checked that they fit.
std::uint32_t U16(Bytes bytes, std::uint64_t at) { return bytes[at] | bytes[at + 1] << 8; }
std::uint32_t U32(Bytes bytes, std::uint64_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

// A directory's entries: its named ones and those with an identifier.
bool ReadDirectory(Bytes resources, std::uint64_t directory, std::uint64_t& first, std::uint32_t& count) {
  if (!Fits(resources, directory, kDirectoryHeader)) return false;
  first = directory + kDirectoryHeader;
  count = U16(resources, directory + 12) + U16(resources, directory + 14);
  // Only as many as the bytes hold.
  while (count > 0 && !Fits(resources, first + (count - 1) * kEntrySize, kEntrySize)) --count;
  return true;
}

}  // namespace

PeIcons::PeIcons(Bytes file) : file_(file) {
  if (!Fits(file, 0, 0x40) || file[0] != 'M' || file[1] != 'Z') return;
  const std::uint64_t header = U32(file, 0x3C);
  if (!Fits(file, header, 24) || U32(file, header) != 0x00004550) return;  // "PE\0\0"
  const std::uint32_t optionalSize = U16(file, header + 20);
  const std::uint64_t optional = header + 24;
  if (!Fits(file, optional, optionalSize) || optionalSize < 2) return;
  // The data directories follow the optional header's fixed part, longer in PE32+.
  const std::uint32_t magic = U16(file, optional);
  const std::uint64_t fixed = magic == 0x10b ? 96 : magic == 0x20b ? 112 : 0;
  if (fixed == 0 || optionalSize < fixed) return;
  isPe_ = true;
  const std::uint64_t directory = optional + fixed + kResourceDirectory * 8;
  if (U32(file, optional + fixed - 4) <= kResourceDirectory || directory + 8 > optional + optionalSize) return;
  sections_ = optional + optionalSize;
  sectionCount_ = U16(file, header + 6);
  // Every offset inside the resources counts from their root and must stay
  // in their section, whatever size the directory gives them.
  const std::uint32_t root = U32(file, directory);
  for (std::uint32_t i = 0; i < sectionCount_ && Fits(file, sections_ + i * kSectionSize, kSectionSize); ++i) {
    const std::uint64_t section = sections_ + i * kSectionSize;
    const std::uint32_t address = U32(file, section + 12);
    const std::uint32_t size = U32(file, section + 16);
    if (root >= address && root - address < size) {
      resources_ = AtRva(root, size - (root - address));
      break;
    }
  }
}

Bytes PeIcons::AtRva(std::uint32_t rva, std::uint32_t size) const {
  for (std::uint32_t i = 0; i < sectionCount_ && Fits(file_, sections_ + i * kSectionSize, kSectionSize); ++i) {
    const std::uint64_t section = sections_ + i * kSectionSize;
    const std::uint32_t address = U32(file_, section + 12);
    const std::uint32_t length = U32(file_, section + 16);
    if (rva < address || rva - address > length || size > length - (rva - address)) continue;
    const std::uint64_t offset = U32(file_, section + 20) + std::uint64_t{rva - address};
    return Fits(file_, offset, size) ? file_.subspan(static_cast<std::size_t>(offset), size) : Bytes{};
  }
  return {};
}

PeIcons::EntryList PeIcons::Entries(std::uint32_t type) const {
  std::uint64_t first = 0;
  std::uint32_t count = 0;
  if (!ReadDirectory(resources_, 0, first, count)) return {};
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t entry = first + i * kEntrySize;
    const std::uint32_t target = U32(resources_, entry + 4);
    if (U32(resources_, entry) != type || (target & kHighBit) == 0) continue;
    EntryList list;
    if (!ReadDirectory(resources_, target & ~kHighBit, list.first, list.count)) return {};
    return list;
  }
  return {};
}

Bytes PeIcons::DataOf(std::uint64_t entry) const {
  std::uint32_t target = U32(resources_, entry + 4);
  if ((target & kHighBit) != 0) {
    // The languages' directory: the first language serves.
    std::uint64_t first = 0;
    std::uint32_t count = 0;
    if (!ReadDirectory(resources_, target & ~kHighBit, first, count) || count == 0) return {};
    target = U32(resources_, first + 4);
    if ((target & kHighBit) != 0) return {};
  }
  if (!Fits(resources_, target, 8)) return {};
  return AtRva(U32(resources_, target), U32(resources_, target + 4));
}

Bytes PeIcons::ById(std::uint32_t type, std::int64_t id) const {
  const EntryList list = Entries(type);
  for (std::uint32_t i = 0; i < list.count; ++i) {
    // A named resource's entry has the high bit set, so it never matches.
    if (U32(resources_, list.first + i * kEntrySize) == id) return DataOf(list.first + i * kEntrySize);
  }
  return {};
}

Bytes PeIcons::Group(int index) const {
  if (index < 0) return ById(kGroupType, -static_cast<std::int64_t>(index));
  // A damaged group still counts, so the indices after it stay right.
  const EntryList list = Entries(kGroupType);
  return static_cast<std::uint32_t>(index) < list.count ? DataOf(list.first + index * kEntrySize) : Bytes{};
}

Bytes PeIcons::Image(int id) const { return id > 0 ? ById(kIconType, id) : Bytes{}; }

}  // namespace platform
