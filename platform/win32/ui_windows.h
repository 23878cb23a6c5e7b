#pragma once
// The windows behind the widget layer, for the platform services that need
// an owner window (ShellExecuteA, common dialogs).

#include <windows.h>

namespace ui {
class Application;
class Form;
}  // namespace ui

namespace ui::win32 {

// The form's window; null while the form has none yet.
HWND FormWindow(const Form& form);
// The form's window as an owner: made now when the form has none yet.
HWND FormHandle(Form& form);
// The application's hidden window that owns the forms and the popup menus.
HWND ApplicationWindow(Application& app);

}  // namespace ui::win32
