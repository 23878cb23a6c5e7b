#include "platform/ui/application.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace ui {

Application::Application() : peer_(backend::CreateApplicationPeer(*this)) {}

Application::~Application() = default;

void Application::SetTitle(std::string title) {
  if (title == title_) return;
  title_ = std::move(title);
  peer_->TitleChanged();
}

void Application::Run() {
  if (mainForm_ != nullptr) mainForm_->Show();
  // Showing the main form may already have ended the program.
  if (!terminated_) peer_->Run();
}

void Application::ProcessMessages() { peer_->ProcessMessages(); }

void Application::Terminate() {
  terminated_ = true;
  peer_->Terminate();
}

Point Application::CursorPos() { return peer_->CursorPos(); }

Size Application::ScreenSize() { return peer_->ScreenSize(); }

std::vector<Monitor> Application::Monitors() { return peer_->Monitors(); }

void Application::HideTaskbarButton() { peer_->HideTaskbarButton(); }

bool Application::TranslucencyAvailable() { return peer_->TranslucencyAvailable(); }

platform::MessageResult Application::ShowMessage(const std::string& text, const std::string& caption,
                                                 platform::MessageStyle style) {
  return peer_->ShowMessage(text, caption, style);
}

void Application::RegisterForm(Form& form) {
  if (mainForm_ == nullptr) mainForm_ = &form;
  forms_.push_back(&form);
}

void Application::UnregisterForm(Form& form) {
  std::erase(forms_, &form);
  if (mainForm_ == &form) mainForm_ = nullptr;
}

}  // namespace ui
