// The icon resources read from a program file's bytes: groups counted in the
// order the file stores them, found by identifier, and a damaged or cut file
// read without a step outside its bytes (ASan watches every read).

#include "platform/pe_icons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A PE32 file whose one section (address 0x1000) holds the icon images 1
// and 7, then the groups: a named one, 5 and 9, each with one language.
Bytes ProgramFile() {
  const std::vector<std::pair<std::uint32_t, Bytes>> icons = {{1, {1, 1}}, {7, {7, 7, 7}}};
  const std::vector<std::pair<std::uint32_t, Bytes>> groups = {{0x80000000u, {'N'}}, {5, {'F'}}, {9, {'N', 'i'}}};
  Bytes tree(32);
  Put32(tree, 12, 2u << 16);  // two types with identifiers
  const auto append = [&tree](std::size_t size) {
    tree.resize(tree.size() + size);
    return static_cast<std::uint32_t>(tree.size() - size);
  };
  const auto addType = [&](std::size_t slot, std::uint32_t type, const auto& resources) {
    const std::uint32_t names = append(16 + 8 * resources.size());
    Put32(tree, 16 + 8 * slot, type);
    Put32(tree, 20 + 8 * slot, 0x80000000u | names);
    Put32(tree, names + 12, static_cast<std::uint32_t>(resources.size()) << 16);
    for (std::size_t n = 0; n < resources.size(); ++n) {
      const std::uint32_t languages = append(24), entry = append(16);
      const std::uint32_t data = append(resources[n].second.size());
      std::copy(resources[n].second.begin(), resources[n].second.end(), tree.begin() + data);
      Put32(tree, names + 16 + 8 * n, resources[n].first);
      Put32(tree, names + 20 + 8 * n, 0x80000000u | languages);
      Put32(tree, languages + 12, 1u << 16);
      Put32(tree, languages + 20, entry);
      Put32(tree, entry, 0x1000 + data);
      Put32(tree, entry + 4, static_cast<std::uint32_t>(resources[n].second.size()));
    }
  };
  addType(0, 3, icons);
  addType(1, 14, groups);
  Bytes file(0x200);
  file[0] = 'M', file[1] = 'Z';
  Put32(file, 0x3C, 0x40);
  Put32(file, 0x40, 0x00004550);
  Put32(file, 0x44, 1u << 16);     // one section
  Put32(file, 0x54, 0xE0);  // an optional header of 0xE0 bytes,
  Put32(file, 0x58, 0x10B);  // PE32
  Put32(file, 0x58 + 92, 16);
  Put32(file, 0x58 + 112, 0x1000);
  const std::size_t section = 0x58 + 0xE0;
  Put32(file, section + 12, 0x1000);
  Put32(file, section + 16, static_cast<std::uint32_t>(tree.size()));
  Put32(file, section + 20, 0x200);
  file.insert(file.end(), tree.begin(), tree.end());
  return file;
}

Bytes Of(platform::Bytes bytes) { return {bytes.begin(), bytes.end()}; }

TEST(PeIcons, GroupsCountInStoredOrderAndAreFoundByIdentifierLikeTheirImages) {
  const Bytes file = ProgramFile();
  const platform::PeIcons icons(file);
  ASSERT_TRUE(icons.IsPe());
  ASSERT_EQ(icons.GroupCount(), 3);
  EXPECT_EQ(Of(icons.Group(0)), (Bytes{'N'})) << "a named group comes first";
  EXPECT_EQ(Of(icons.Group(2)), (Bytes{'N', 'i'}));
  EXPECT_TRUE(icons.Group(3).empty());
  EXPECT_EQ(Of(icons.Group(-5)), (Bytes{'F'}));
  EXPECT_TRUE(icons.Group(-2).empty());
  EXPECT_EQ(Of(icons.Image(7)), (Bytes{7, 7, 7}));
  EXPECT_TRUE(icons.Image(5).empty());
}

TEST(PeIcons, ADamagedOrCutFileHasFewerIconsAndIsNeverReadOutside) {
  const Bytes whole = ProgramFile();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    // Exactly the bytes there are: a read past them is a heap overflow.
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const platform::PeIcons icons(cut);
    for (int i = -10; i < icons.GroupCount(); ++i) {
      const platform::Bytes group = icons.Group(i);
      EXPECT_TRUE(group.empty() || group.data() + group.size() <= cut.data() + cut.size()) << size;
    }
  }
  // A group whose data lies outside its section still counts, so the ones after it keep their indices.
  Bytes damaged = whole;
  const std::size_t entry = static_cast<std::size_t>(platform::PeIcons(damaged).Group(1).data() - damaged.data()) - 16;
  Put32(damaged, entry, 0xFFFFFFF0u);
  const platform::PeIcons icons(damaged);
  EXPECT_EQ(icons.GroupCount(), 3);
  EXPECT_TRUE(icons.Group(1).empty());
  EXPECT_EQ(Of(icons.Group(2)), (Bytes{'N', 'i'}));

  damaged[0x40] = 'N', damaged[0x41] = 'E';
  EXPECT_FALSE(platform::PeIcons(damaged).IsPe()) << "a 16-bit file is left to the system";
}

}  // namespace
