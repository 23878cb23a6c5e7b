#pragma once
// The probe's sub-commands. Each takes the words after its name and returns
// the process exit status: 0 done, 1 nothing matched (by the deadline).
// Words and printed texts are UTF-8.

#include <string>
#include <vector>

namespace e2e {

using Words = std::vector<std::string>;

// windows_commands.cpp
int FindProcess(const Words& words);
int ListWindows(const Words& words);
int FindWindowCommand(const Words& words);
int WaitGone(const Words& words);
int Children(const Words& words);
int CloseWindowCommand(const Words& words);

// dialog_commands.cpp
int Dialogs(const Words& words);
int Press(const Words& words);

// drop_command.cpp
int Drop(const Words& words);

// menu_commands.cpp
int Menus(const Words& words);
int ReadMenus(const Words& words);

// input_commands.cpp
int Keys(const Words& words);
int Type(const Words& words);
int GetText(const Words& words);
int SetText(const Words& words);

// shell_command.cpp
int ShellExecuteCommand(const Words& words);

// focus_link_commands.cpp
int Focus(const Words& words);
int MakeLink(const Words& words);
int ReadLink(const Words& words);

// tab_rows_command.cpp
int TabRows(const Words& words);

}  // namespace e2e
