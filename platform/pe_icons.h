#pragma once
// The icon resources of a Windows program or DLL, read from its file's bytes
// as they lie on disk (no loader involved): its icon groups in resource
// order, which is what an icon index counts, and the images they name. Every
// offset is checked against the bytes, so a damaged file has fewer or no
// icons, never a read outside it.

#include <cstdint>
#include <span>

namespace platform {

using Bytes = std::span<const std::uint8_t>;

class PeIcons {
 public:
  explicit PeIcons(Bytes file);

  // Whether the bytes are a PE file at all (else perhaps a 16-bit one).
  bool IsPe() const { return isPe_; }
  int GroupCount() const { return static_cast<int>(Entries(kGroupType).count); }
  // The directory of the index-th group, or for a negative index of the
  // group whose identifier is -index; empty when there is none.
  Bytes Group(int index) const;
  // The image whose identifier is id; empty when there is none.
  Bytes Image(int id) const;

 private:
  static constexpr std::uint32_t kIconType = 3;
  static constexpr std::uint32_t kGroupType = 14;

  // The directory entries of one type's resources, in resource order (named
  // ones first, then by identifier); each is 8 bytes in resources_.
  struct EntryList {
    std::uint64_t first = 0;
    std::uint32_t count = 0;
  };
  EntryList Entries(std::uint32_t type) const;
  // The data of the first language of the resource whose entry is at entry.
  Bytes DataOf(std::uint64_t entry) const;
  Bytes ById(std::uint32_t type, std::int64_t id) const;
  Bytes AtRva(std::uint32_t rva, std::uint32_t size) const;

  Bytes file_;
  bool isPe_ = false;
  // The section table, and the resource section from its root on.
  std::uint64_t sections_ = 0;
  std::uint32_t sectionCount_ = 0;
  Bytes resources_;
};

}  // namespace platform
