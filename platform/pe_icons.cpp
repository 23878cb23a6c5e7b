#include "platform/pe_icons.h"

namespace platform {

namespace {

constexpr std::uint32_t kIconType = 3;
constexpr std::uint32_t kGroupType = 14;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint64_t kDirectoryHeader = 16;
constexpr std::uint64_t kEntrySize = 8;

bool Fits(Bytes bytes, std::uint64_t at, std::uint64_t size) { return at <= bytes.size() && size <= bytes.size() - at; }

// Little-endian reads; the caller has checked that they fit.
std::uint32_t U16(Bytes bytes, std::uint64_t at) { return bytes[at] | bytes[at + 1] << 8; }
std::uint32_t U32(Bytes bytes, std::uint64_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

}  // namespace

PeIcons::PeIcons(Bytes file) : file_(file) {
  if (!Fits(file, 0, 0x40) || file[0] != 'M' || file[1] != 'Z') return;
  const std::uint64_t header = U32(file, 0x3C);
  if (!Fits(file, header, 24) || U32(file, header) != 0x00004550) return;  // "PE\0\0"
  const std::uint32_t sectionCount = U16(file, header + 6);
  const std::uint32_t optionalSize = U16(file, header + 20);
  const std::uint64_t optional = header + 24;
  if (!Fits(file, optional, optionalSize) || optionalSize < 2) return;
  // The data directories follow the optional header's fixed part, longer in PE32+.
  const std::uint32_t magic = U16(file, optional);
  const std::uint64_t fixed = magic == 0x10b ? 96 : magic == 0x20b ? 112 : 0;
  if (fixed == 0 || optionalSize < fixed) return;
  isPe_ = true;
  const std::uint32_t directoryCount = U32(file, optional + fixed - 4);
  const std::uint64_t directory = optional + fixed + kResourceDirectory * 8;
  if (directoryCount <= kResourceDirectory || directory + 8 > optional + optionalSize) return;

  const std::uint64_t table = optional + optionalSize;
  for (std::uint32_t i = 0; i < sectionCount && Fits(file, table + i * 40ull, 40); ++i) {
    const std::uint64_t at = table + i * 40ull;
    sections_.push_back({U32(file, at + 12), U32(file, at + 16), U32(file, at + 20)});
  }
  // Every offset inside the resources counts from their root and must stay
  // in their section, whatever size the directory gives them.
  const std::uint32_t rootAddress = U32(file, directory);
  for (const Section& section : sections_) {
    if (rootAddress < section.address || rootAddress - section.address >= section.size) continue;
    const Bytes rest = AtRva(rootAddress, section.size - (rootAddress - section.address));
    if (rest.empty()) break;
    resourceOffset_ = static_cast<std::uint32_t>(rest.data() - file.data());
    resourceSize_ = static_cast<std::uint32_t>(rest.size());
    break;
  }
  groups_ = ListType(kGroupType);
  images_ = ListType(kIconType);
}

Bytes PeIcons::AtRva(std::uint32_t rva, std::uint32_t size) const {
  for (const Section& section : sections_) {
    if (rva < section.address) continue;
    const std::uint64_t into = rva - section.address;
    if (into > section.size || size > section.size - into) continue;
    if (!Fits(file_, section.offset + into, size)) return {};
    return file_.subspan(static_cast<std::size_t>(section.offset + into), size);
  }
  return {};
}

std::vector<PeIcons::Resource> PeIcons::ListType(std::uint32_t type) const {
  const Bytes resources = file_.subspan(resourceOffset_, resourceSize_);
  const auto entriesOf = [&](std::uint64_t directory, std::uint64_t& first, std::uint32_t& count) {
    if (!Fits(resources, directory, kDirectoryHeader)) return false;
    first = directory + kDirectoryHeader;
    count = U16(resources, directory + 12) + U16(resources, directory + 14);
    return true;
  };
  std::vector<Resource> found;
  std::uint64_t first = 0;
  std::uint32_t count = 0;
  if (!entriesOf(0, first, count)) return found;
  for (std::uint32_t i = 0; i < count && Fits(resources, first + i * kEntrySize, kEntrySize); ++i) {
    const std::uint64_t entry = first + i * kEntrySize;
    const std::uint32_t target = U32(resources, entry + 4);
    if (U32(resources, entry) != type || (target & kHighBit) == 0) continue;
    std::uint64_t named = 0;
    std::uint32_t names = 0;
    if (!entriesOf(target & ~kHighBit, named, names)) break;
    // In resource order: named resources first, then by identifier. A
    // damaged one still counts, so the indices after it stay right.
    for (std::uint32_t n = 0; n < names && Fits(resources, named + n * kEntrySize, kEntrySize); ++n) {
      const std::uint32_t name = U32(resources, named + n * kEntrySize);
      found.push_back({(name & kHighBit) != 0 ? 0 : name, DataOf(named + n * kEntrySize)});
    }
    break;
  }
  return found;
}

Bytes PeIcons::DataOf(std::uint32_t entry) const {
  const Bytes resources = file_.subspan(resourceOffset_, resourceSize_);
  std::uint32_t target = U32(resources, entry + 4);
  if ((target & kHighBit) != 0) {
    // The languages' directory: the first language serves.
    const std::uint64_t languages = target & ~kHighBit;
    if (!Fits(resources, languages, kDirectoryHeader + kEntrySize) ||
        U16(resources, languages + 12) + U16(resources, languages + 14) == 0) {
      return {};
    }
    target = U32(resources, languages + kDirectoryHeader + 4);
    if ((target & kHighBit) != 0) return {};
  }
  if (!Fits(resources, target, 8)) return {};
  return AtRva(U32(resources, target), U32(resources, target + 4));
}

Bytes PeIcons::Find(const std::vector<Resource>& resources, std::uint32_t id) {
  for (const Resource& resource : resources) {
    if (resource.id == id) return resource.data;
  }
  return {};
}

Bytes PeIcons::Group(int index) const {
  if (index >= 0) return index < GroupCount() ? groups_[static_cast<std::size_t>(index)].data : Bytes{};
  const std::int64_t id = -static_cast<std::int64_t>(index);
  return id <= 0xFFFF ? Find(groups_, static_cast<std::uint32_t>(id)) : Bytes{};
}

Bytes PeIcons::Image(int id) const {
  return id > 0 && id <= 0xFFFF ? Find(images_, static_cast<std::uint32_t>(id)) : Bytes{};
}

}  // namespace platform
