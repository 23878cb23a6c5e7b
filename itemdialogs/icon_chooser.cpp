#include "itemdialogs/icon_chooser.h"

#include <algorithm>

#include "app/app.h"
#include "platform/icons.h"

namespace pelorin {

namespace {

constexpr char kNoIconsMessage[] = "アイコンが存在しません";
constexpr char kIconFileEntry[] = "アイコンファイル";

}  // namespace

TFrmIconChenge::TFrmIconChenge(App& app)
    : ui::Form(app.Ui(), "FrmIconChenge", "Icon Chenge", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({355, 69});
  SetLeft(221);
  SetTop(136);

  Scroll.SetRange(0, 0);
  ComIconOpen.SetFilter("アイコンファイル(*.ico;*.exe;*.dll)|*.exe;*.ico;*.dll");
  ComIconOpen.SetTitle("アイコンファイル参照");

  IconPath.onChange = [this] { changed_ = true; };
  Chenge.onClick = [this] { ChengeClick(); };
  Scroll.onClick = [this](ui::SpinArrow) { ScrollClick(); };
  Button1.onClick = [this] { Button1Click(); };
}

void TFrmIconChenge::Prepare(const std::string& filePath, const std::string& itemIconPath, int itemIconNumber,
                             platform::Icon preview) {
  IconPath.SetText(filePath);
  Sample.SetPicture(std::move(preview));
  ComIconOpen.SetFileName(filePath);
  SetIconFile(filePath);
  const bool sameFile = filePath == itemIconPath;
  ShowIndex(sameFile && itemIconNumber >= Scroll.Min() && itemIconNumber <= Scroll.Max() ? itemIconNumber : 0);
  changed_ = false;
}

std::optional<IconChoice> TFrmIconChenge::Choice() const {
  if (!changed_) return std::nullopt;
  return IconChoice{IconPath.Text(), selectedIndex_, app_.Services().Icons.CopyOf(Sample.Picture())};
}

void TFrmIconChenge::ChengeClick() {
  if (!ComIconOpen.Execute()) {
    if (!ComIconOpen.Refused().empty()) app_.ReportCannotRegister(ComIconOpen.Refused());
    return;
  }
  const std::string path = ComIconOpen.FileName();
  IconPath.SetText(path);
  SetIconFile(path);
  Sample.SetPicture(app_.Services().Icons.IconInFile(path, 0));
  ShowIndex(0);
  changed_ = true;
}

void TFrmIconChenge::ScrollClick() {
  const int position = Scroll.Position();
  ShowIndex(position);
  Sample.SetPicture(app_.Services().Icons.IconInFile(ComIconOpen.FileName(), position));
  changed_ = true;
}

void TFrmIconChenge::Button1Click() {
  if (!app_.CheckTextFits(IconPath, kIconFileEntry)) return;
  Close();
}

void TFrmIconChenge::SetIconFile(const std::string& path) {
  const int count = std::max(app_.Services().Icons.IconCount(path), 0);
  if (count == 0) app_.Ui().ShowMessage(kNoIconsMessage, kApplicationTitle, platform::MessageStyle::Plain);
  Scroll.SetRange(0, count == 0 ? 0 : count - 1);
}

void TFrmIconChenge::ShowIndex(int position) {
  Scroll.SetPosition(position);
  Label1.SetCaption("Index :" + std::to_string(position));
  selectedIndex_ = position;
}

}  // namespace pelorin
