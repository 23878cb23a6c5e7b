#include "itemdialogs/item_fields.h"

#include <charconv>
#include <utility>

#include "app/app.h"
#include "itemdialogs/icon_chooser.h"
#include "platform/icons.h"
#include "platform/text.h"

namespace pelorin {

namespace {

constexpr int kNormalWindowRow = 0;

}  // namespace

ItemFields::ItemFields(ui::Form& form, App& app) : form_(form), app_(app) {
  FileExecuteSize.SetItemIndex(kNormalWindowRow);
  ComFileOpen.SetFilter("実行ファイル(*.exe)|*.exe;*.lnk|全てのファイル(*.*)|*");

  FileOpen.onClick = [this] { FileOpenClick(); };
  FoldeOpen.onClick = [this] { FoldeOpenClick(); };
  SampleIcon.onClick = [this] { SampleIconClick(); };
}

void ItemFields::Load(const ItemRecord& item, platform::Icon preview) {
  FileName.SetText(item.FileName);
  FilePath.SetText(item.FilePath);
  FileHint.SetText(item.FileHint);
  FileFolder.SetText(item.FileFolder);
  Notify.SetText(item.Notify);
  Sincro.SetText(item.Sincro);
  FileExecuteSize.SetItemIndex(item.FileExecuteSize);
  SetIcon(std::move(preview), item.IconPath, item.IconNumber);
  FolderFlag = item.IsFolder ? 1 : 0;
}

ItemRecord ItemFields::Record() const {
  ItemRecord item;
  item.FileName = FileName.Text();
  item.FilePath = FilePath.Text();
  item.FileHint = FileHint.Text();
  item.FileFolder = FileFolder.Text();
  item.Notify = Notify.Text();
  item.IsFolder = FolderFlag == 1;
  item.Sincro = Sincro.Text();
  // A show mode the list does not know (from a hand-edited file) shows no row and is written as normal.
  const int row = FileExecuteSize.ItemIndex();
  item.FileExecuteSize = static_cast<std::uint8_t>(row < 0 ? kNormalWindowRow : row);
  item.IconPath = IconPath.Caption();
  item.IconNumber = IconNumberValue();
  return item;
}

bool ItemFields::Complete() const { return !FileName.Text().empty() && !FilePath.Text().empty(); }

bool ItemFields::TextsFit() {
  return app_.CheckTextFits(FileHint, Label2.Caption()) && app_.CheckTextFits(FilePath, Label3.Caption()) &&
         app_.CheckTextFits(FileFolder, Label4.Caption()) && app_.CheckTextFits(Notify, Label5.Caption()) &&
         app_.CheckTextFits(Sincro, Label6.Caption());
}

void ItemFields::Clear() {
  for (ui::Edit* edit : {&FileName, &FileHint, &FilePath, &FileFolder, &Notify, &Sincro}) edit->SetText({});
  SetIcon({}, {}, 0);
}

void ItemFields::FileOpenClick() {
  if (!ComFileOpen.Execute()) {
    ReportRefused(ComFileOpen.Refused());
    return;
  }
  const std::string path = ComFileOpen.FileName();
  FilePath.SetText(path);
  platform::Icons& icons = app_.Services().Icons;
  platform::Icon preview = icons.IconInFile(path, 0);
  if (!preview) preview = icons.ShellIcon(path);
  SetIcon(std::move(preview), path, 0);
  // The last backslash by characters: a trail byte 0x5C (表, ソ) is no separator.
  const auto separator = platform::LastDelimiter("\\", path);
  if (separator != std::string::npos) {
    FileName.SetText(path.substr(separator + 1));
    FileHint.SetText(path.substr(separator + 1));
    FileFolder.SetText(path.substr(0, separator + 1));
  }
  FileExecuteSize.SetItemIndex(kNormalWindowRow);
  FolderFlag = 0;
}

void ItemFields::FoldeOpenClick() {
  if (!ComFolderOpen.Execute()) {
    ReportRefused(ComFolderOpen.Refused);
    return;
  }
  const std::string& folder = ComFolderOpen.FolderName;
  FilePath.SetText(folder);
  SetIcon(app_.Services().Icons.ShellIcon(folder), folder, 0);
  // A folder is named by its whole path, unlike a file.
  FileName.SetText(folder);
  FileHint.SetText(folder);
  FileExecuteSize.SetItemIndex(kNormalWindowRow);
  FolderFlag = 1;
}

void ItemFields::SampleIconClick() {
  TFrmIconChenge& chooser = app_.IconChooser();
  chooser.Prepare(FilePath.Text(), IconPath.Caption(), IconNumberValue(),
                  app_.Services().Icons.CopyOf(SampleIcon.Picture()));
  chooser.ShowModal();
  if (auto choice = chooser.Choice()) SetIcon(std::move(choice->Preview), choice->Path, choice->Index);
}

void ItemFields::ReportRefused(const std::string& shownName) {
  // The dialog stays as it was: nothing is filled in with a path that names nothing.
  if (!shownName.empty()) app_.ReportCannotRegister(shownName);
}

void ItemFields::SetIcon(platform::Icon preview, const std::string& path, int index) {
  SampleIcon.SetPicture(std::move(preview));
  IconPath.SetCaption(path);
  IconNumber.SetCaption(std::to_string(index));
}

int ItemFields::IconNumberValue() const {
  const std::string& text = IconNumber.Caption();
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace pelorin
