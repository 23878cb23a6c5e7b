#pragma once
// The icon resources of a Windows program or DLL, read from its file's bytes
// as they lie on disk (no loader involved): its icon groups in resource
// order, which is what an icon index counts, and the images they name. Every
// offset is checked against the bytes, so a damaged file has fewer or no
// icons, never a read outside it.

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

using Bytes = std::span<const std::uint8_t>;

class PeIcons {
 public:
  explicit PeIcons(Bytes file);

  // Whether the bytes are a PE file at all (else perhaps a 16-bit one).
  bool IsPe() const { return isPe_; }
  int GroupCount() const { return static_cast<int>(groups_.size()); }
  // The directory of the index-th group, or for a negative index of the
  // group whose identifier is -index; empty when there is none.
  Bytes Group(int index) const;
  // The image whose identifier is id; empty when there is none.
  Bytes Image(int id) const;

 private:
  // A resource as the file holds it: its identifier (0 when it has a name) and data.
  struct Resource {
    std::uint32_t id;
    Bytes data;
  };

  std::vector<Resource> ListType(std::uint32_t type) const;
  // The data of the first language of the resource whose directory entry is at entry.
  Bytes DataOf(std::uint32_t entry) const;
  Bytes AtRva(std::uint32_t rva, std::uint32_t size) const;
  static Bytes Find(const std::vector<Resource>& resources, std::uint32_t id);

  Bytes file_;
  bool isPe_ = false;
  // The resource section: where it lies in the file and at which address.
  std::uint32_t resourceOffset_ = 0;
  std::uint32_t resourceSize_ = 0;
  struct Section {
    std::uint32_t address;
    std::uint32_t size;
    std::uint32_t offset;
  };
  std::vector<Section> sections_;
  std::vector<Resource> groups_;
  std::vector<Resource> images_;
};

}  // namespace platform
