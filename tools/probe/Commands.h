// The probe's commands. Each takes the words after its name and returns the
// process exit code.
#pragma once

#include <string>
#include <vector>

namespace zlt::probe {

using Args = std::vector<std::wstring>;

enum ExitCode : int { kOk = 0, kFailed = 1, kUsage = 2 };

// Windows and their state (WindowCommands.cpp).
int ListCommand(const Args& args);
int FindCommand(const Args& args);
int WaitCommand(const Args& args);
int ChildrenCommand(const Args& args);
int TooltipCommand(const Args& args);
int ForegroundCommand(const Args& args);

// Messages to a window (MessageCommands.cpp).
int CopyDataCommand(const Args& args);
int CloseCommand(const Args& args);
int PostCloseCommand(const Args& args);
int EndSessionCommand(const Args& args);
int SetTextCommand(const Args& args);

// Message boxes and popup menus of any process (DialogCommands.cpp).
int MessageBoxCommand(const Args& args);
int MenuCommand(const Args& args);

// Injected mouse and keyboard input (InputCommands.cpp).
int ClickCommand(const Args& args);
int ShiftDragCommand(const Args& args);
int TypeCommand(const Args& args);
int KeyCommand(const Args& args);

// A window of the probe's own that reports the clicks it gets (TargetCommand.cpp).
int TargetCommand(const Args& args);

// The screen and its monitors (MetricsCommand.cpp).
int MetricsCommand(const Args& args);

}  // namespace zlt::probe
