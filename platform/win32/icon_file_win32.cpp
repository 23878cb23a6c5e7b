#include "platform/win32/icon_file_win32.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/file_handle.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

// The version of the icon format CreateIconFromResourceEx is given.
constexpr DWORD kIconFormat = 0x00030000;
// An .ico larger than this is not an icon file worth reading.
constexpr LONGLONG kLargestIco = 16 * 1024 * 1024;

constexpr std::size_t kDirectoryHeader = 6;   // reserved, type, count
constexpr std::size_t kFileEntry = 16;        // as stored in an .ico
constexpr std::size_t kGroupEntry = 14;       // as stored in a group resource

WORD ReadWord(const BYTE* at) { return static_cast<WORD>(at[0] | at[1] << 8); }
DWORD ReadDword(const BYTE* at) { return ReadWord(at) | static_cast<DWORD>(ReadWord(at + 2)) << 16; }

bool EndsWithIco(const std::u16string& path) {
  if (path.size() < 4) return false;
  const std::u16string_view ext = std::u16string_view(path).substr(path.size() - 4);
  return ext[0] == u'.' && (ext[1] | 0x20) == u'i' && (ext[2] | 0x20) == u'c' && (ext[3] | 0x20) == u'o';
}

bool IsFile(const wchar_t* path) {
  const DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The file opened for reading, with its size; invalid when it cannot be.
FileHandle OpenForReading(const std::u16string& path, LARGE_INTEGER& size) {
  FileHandle file(CreateFileW(AsWide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.valid() && !GetFileSizeEx(file.get(), &size)) file.Close();
  return file;
}

SIZE LargeIconSize() { return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}; }

HICON MakeFromImage(const BYTE* bits, DWORD size) {
  const SIZE large = LargeIconSize();
  return CreateIconFromResourceEx(const_cast<BYTE*>(bits), size, TRUE, kIconFormat, large.cx, large.cy,
                                  LR_DEFAULTCOLOR);
}

// The identifier of the image of a group directory that suits the large-icon size.
int PickImage(const BYTE* directory) {
  const SIZE large = LargeIconSize();
  return LookupIconIdFromDirectoryEx(const_cast<BYTE*>(directory), TRUE, large.cx, large.cy, LR_DEFAULTCOLOR);
}

}  // namespace

IconFile::IconFile(std::u16string path) : path_(std::move(path)) {
  if (EndsWithIco(path_) ? ReadIco() : MapPe()) return;
  // Anything else that is a file is left to ExtractIconEx.
  if (IsFile(AsWide(path_))) kind_ = Kind::Other;
}

IconFile::~IconFile() {
  if (view_ != nullptr) UnmapViewOfFile(view_);
}

bool IconFile::MapPe() {
  // Mapped, not loaded: the loader's work costs more than reading the few
  // resources wanted, and only the pages read come from the disk.
  LARGE_INTEGER size = {};
  const FileHandle file = OpenForReading(path_, size);
  if (!file.valid() || size.QuadPart == 0 || static_cast<ULONGLONG>(size.QuadPart) > SIZE_MAX) {
    return false;
  }
  const HANDLE mapping = CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (mapping == nullptr) return false;
  // The view keeps the mapping.
  view_ = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  CloseHandle(mapping);
  if (view_ == nullptr) return false;
  pe_.emplace(platform::Bytes(static_cast<const std::uint8_t*>(view_), static_cast<std::size_t>(size.QuadPart)));
  if (pe_->IsPe()) {
    kind_ = Kind::Pe;
    return true;
  }
  pe_.reset();
  UnmapViewOfFile(view_);
  view_ = nullptr;
  return false;
}

bool IconFile::ReadIco() {
  LARGE_INTEGER size = {};
  const FileHandle file = OpenForReading(path_, size);
  if (!file.valid() || size.QuadPart < static_cast<LONGLONG>(kDirectoryHeader) || size.QuadPart > kLargestIco) {
    return false;
  }
  std::vector<BYTE> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size()) {
    return false;
  }
  const WORD count = ReadWord(&bytes[4]);
  if (ReadWord(&bytes[0]) != 0 || ReadWord(&bytes[2]) != 1 || count == 0 ||
      bytes.size() < kDirectoryHeader + count * kFileEntry) {
    return false;
  }
  ico_ = std::move(bytes);
  kind_ = Kind::Ico;
  return true;
}

int IconFile::Count() const {
  switch (kind_) {
    case Kind::Pe: return pe_->GroupCount();
    case Kind::Ico: return 1;
    case Kind::Other:
      return static_cast<int>(reinterpret_cast<UINT_PTR>(
          ExtractIconW(GetModuleHandleW(nullptr), AsWide(path_), static_cast<UINT>(-1))));
    case Kind::Missing: break;
  }
  return 0;
}

HICON IconFile::Make(int index) const {
  switch (kind_) {
    case Kind::Pe: return MakeFromPe(index);
    case Kind::Ico: return index == 0 ? MakeFromIco() : nullptr;
    case Kind::Other: {
      HICON large = nullptr;
      if (ExtractIconExW(AsWide(path_), index, &large, nullptr, 1) == 0) return nullptr;
      return large;
    }
    case Kind::Missing: break;
  }
  return nullptr;
}

HICON IconFile::MakeFromPe(int index) const {
  // The system reads the whole directory the group's count announces.
  const platform::Bytes group = pe_->Group(index);
  if (group.size() < kDirectoryHeader || group.size() < kDirectoryHeader + ReadWord(&group[4]) * kGroupEntry) {
    return nullptr;
  }
  const platform::Bytes image = pe_->Image(PickImage(group.data()));
  return image.empty() ? nullptr : MakeFromImage(image.data(), static_cast<DWORD>(image.size()));
}

HICON IconFile::MakeFromIco() const {
  // The file's directory as a group resource: the same entries, each
  // numbered (from 1) instead of placed.
  const WORD count = ReadWord(&ico_[4]);
  std::vector<BYTE> directory(kDirectoryHeader + count * kGroupEntry);
  std::memcpy(directory.data(), ico_.data(), kDirectoryHeader);
  for (WORD i = 0; i < count; ++i) {
    BYTE* entry = &directory[kDirectoryHeader + i * kGroupEntry];
    std::memcpy(entry, &ico_[kDirectoryHeader + i * kFileEntry], 12);
    entry[12] = static_cast<BYTE>((i + 1) & 0xFF);
    entry[13] = static_cast<BYTE>((i + 1) >> 8);
  }
  const int id = PickImage(directory.data());
  if (id < 1 || id > count) return nullptr;
  const BYTE* entry = &ico_[kDirectoryHeader + (id - 1) * kFileEntry];
  const DWORD size = ReadDword(entry + 8);
  const DWORD offset = ReadDword(entry + 12);
  if (offset > ico_.size() || size > ico_.size() - offset) return nullptr;
  return MakeFromImage(&ico_[offset], size);
}

}  // namespace platform::win32
