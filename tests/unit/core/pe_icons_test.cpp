// The icon resources read from a program file's bytes: groups counted in the
// order the file stores them, looked up by identifier, and a damaged or cut
// file read without a step outside its bytes (ASan watches every read).

#include "platform/pe_icons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kIcon = 3, kGroup = 14, kNamed = 0;

void Put16(Bytes& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = value & 0xFF;
  bytes[at + 1] = (value >> 8) & 0xFF;
}
void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value & 0xFFFF);
  Put16(bytes, at + 2, value >> 16);
}

struct Resource {
  std::uint32_t type;
  std::uint32_t id;  // kNamed: a named resource
  Bytes data;
};

// A PE32 file with one section, at address 0x1000, holding the resources:
// one directory per type, each resource with one language, in the order given.
Bytes PeWith(const std::vector<Resource>& resources) {
  constexpr std::size_t kSection = 0x200, kAddress = 0x1000;
  std::vector<std::uint32_t> types;
  for (const Resource& r : resources) {
    if (std::find(types.begin(), types.end(), r.type) == types.end()) types.push_back(r.type);
  }
  Bytes tree(16 + 8 * types.size());
  Put16(tree, 14, static_cast<std::uint32_t>(types.size()));
  const auto append = [&tree](std::size_t size) {
    tree.resize(tree.size() + size);
    return tree.size() - size;
  };
  for (std::size_t t = 0; t < types.size(); ++t) {
    std::vector<const Resource*> ofType;
    for (const Resource& r : resources) {
      if (r.type == types[t]) ofType.push_back(&r);
    }
    const std::size_t names = append(16 + 8 * ofType.size());
    Put32(tree, 16 + 8 * t, types[t]);
    Put32(tree, 16 + 8 * t + 4, 0x80000000u | static_cast<std::uint32_t>(names));
    Put16(tree, names + 14, static_cast<std::uint32_t>(ofType.size()));
    for (std::size_t n = 0; n < ofType.size(); ++n) {
      const std::size_t languages = append(16 + 8);
      const std::size_t entry = append(16);
      const std::size_t data = append(ofType[n]->data.size());
      std::copy(ofType[n]->data.begin(), ofType[n]->data.end(), tree.begin() + static_cast<std::ptrdiff_t>(data));
      Put32(tree, names + 16 + 8 * n, ofType[n]->id == kNamed ? 0x80000000u : ofType[n]->id);
      Put32(tree, names + 16 + 8 * n + 4, 0x80000000u | static_cast<std::uint32_t>(languages));
      Put16(tree, languages + 14, 1);
      Put32(tree, languages + 16, 0x411);
      Put32(tree, languages + 20, static_cast<std::uint32_t>(entry));
      Put32(tree, entry, static_cast<std::uint32_t>(kAddress + data));
      Put32(tree, entry + 4, static_cast<std::uint32_t>(ofType[n]->data.size()));
    }
  }
  Bytes file(kSection);
  file[0] = 'M', file[1] = 'Z';
  Put32(file, 0x3C, 0x40);
  Put32(file, 0x40, 0x00004550);
  Put16(file, 0x46, 1);     // sections
  Put16(file, 0x54, 0xE0);  // optional header: PE32 with 16 directories
  Put16(file, 0x58, 0x10b);
  Put32(file, 0x58 + 92, 16);
  Put32(file, 0x58 + 96 + 16, kAddress);
  Put32(file, 0x58 + 96 + 20, static_cast<std::uint32_t>(tree.size()));
  const std::size_t section = 0x58 + 0xE0;
  Put32(file, section + 8, static_cast<std::uint32_t>(tree.size()));
  Put32(file, section + 12, kAddress);
  Put32(file, section + 16, static_cast<std::uint32_t>(tree.size()));
  Put32(file, section + 20, kSection);
  file.insert(file.end(), tree.begin(), tree.end());
  return file;
}

const std::vector<Resource> kResources = {
    {kIcon, 1, {1, 1}},        {kIcon, 7, {7, 7, 7}},       {kGroup, kNamed, {'N'}},
    {kGroup, 5, {'F', 'i'}},   {kGroup, 9, {'N', 'i', 'n'}},
};

std::vector<std::uint8_t> Of(platform::Bytes bytes) { return {bytes.begin(), bytes.end()}; }

TEST(PeIcons, GroupsCountInStoredOrderAndAreFoundByIdentifierLikeTheirImages) {
  const Bytes file = PeWith(kResources);
  const platform::PeIcons icons(file);
  ASSERT_TRUE(icons.IsPe());
  ASSERT_EQ(icons.GroupCount(), 3);
  EXPECT_EQ(Of(icons.Group(0)), (Bytes{'N'})) << "a named group comes first";
  EXPECT_EQ(Of(icons.Group(2)), (Bytes{'N', 'i', 'n'}));
  EXPECT_TRUE(icons.Group(3).empty());
  EXPECT_EQ(Of(icons.Group(-5)), (Bytes{'F', 'i'}));
  EXPECT_TRUE(icons.Group(-2).empty());
  EXPECT_TRUE(icons.Group(-0x10005).empty()) << "identifiers have 16 bits";
  EXPECT_EQ(Of(icons.Image(7)), (Bytes{7, 7, 7}));
  EXPECT_TRUE(icons.Image(5).empty());
}

TEST(PeIcons, ADamagedOrCutFileHasFewerIconsAndIsNeverReadOutside) {
  const Bytes whole = PeWith(kResources);
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
  const platform::PeIcons intact(damaged);
  const std::size_t entry = static_cast<std::size_t>(intact.Group(1).data() - damaged.data()) - 16;
  Put32(damaged, entry, 0xFFFFFFF0u);
  const platform::PeIcons icons(damaged);
  EXPECT_EQ(icons.GroupCount(), 3);
  EXPECT_TRUE(icons.Group(1).empty());
  EXPECT_EQ(Of(icons.Group(2)), (Bytes{'N', 'i', 'n'}));

  Bytes notPe = whole;
  notPe[0x40] = 'N', notPe[0x41] = 'E';
  EXPECT_FALSE(platform::PeIcons(notPe).IsPe()) << "a 16-bit file is left to the system";
}

}  // namespace
