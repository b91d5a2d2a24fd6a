// Everything the program needs from the system, chosen once at start-up.
#pragma once

#include "platform/System.h"
#include "platform/WindowSystem.h"

namespace zlt::platform {

struct Platform {
  IWindowSystem& windows;
  IFileSystem& files;
  IProcesses& processes;
  IClock& clock;
  IShell& shell;
  IInstanceChannel& instance;
  IEnvironment& environment;
};

}  // namespace zlt::platform
