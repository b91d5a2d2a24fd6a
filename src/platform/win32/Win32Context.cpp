#include "Win32Context.h"

#include "SystemLibraries.h"

namespace zlt::win32 {
namespace {

HICON LoadProgramIcon(UniqueIcon& icon, HINSTANCE instance, int size) {
  if (!icon) {
    icon.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                             size, size, LR_DEFAULTCOLOR)));
  }
  return icon.Get();
}

}  // namespace

HICON Win32Context::ProgramIcon() { return LoadProgramIcon(programIcon_, instance, 32); }

HICON Win32Context::SmallProgramIcon() { return LoadProgramIcon(smallProgramIcon_, instance, 16); }

void Win32Context::PrepareControls() {
  if (controlsPrepared_) return;
  controlsPrepared_ = true;
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  late::InitCommonControlsEx(&classes);
  boxClass_ = RegisterBoxClass(instance);
}

}  // namespace zlt::win32
