// zltprobe: observes and drives windows of other processes for the
// integration tests. Output is UTF-8, one tab-separated record per line.
// Exit code 0 on success, 1 when the window (box, menu) is not found or the
// action fails, 2 on a usage error.
#include <windows.h>

#include <string_view>

#include "Commands.h"
#include "Output.h"

namespace zlt::probe {
namespace {

struct Command {
  std::wstring_view name;
  int (*run)(const Args&);
  std::wstring_view usage;
};

constexpr Command kCommands[] = {
    {L"list", ListCommand,
     L"list                      every top-level window: hwnd pid visible class caption left top "
     L"right bottom client-width client-height topmost layered alpha(-1 none) region('l t r b'|-) "
     L"exstyle"},
    {L"find", FindCommand, L"find <caption>            the windows with exactly this caption"},
    {L"wait", WaitCommand,
     L"wait [--visible] <caption> <ms> [--visible]   first such window, once it exists"},
    {L"children", ChildrenCommand,
     L"children <caption>        hwnd class text left top right bottom (client of the window) "
     L"visible enabled id parent"},
    {L"tooltip", TooltipCommand,
     L"tooltip <ms>              the first visible tooltip window, once there: hwnd text left "
     L"top right bottom"},
    {L"copydata", CopyDataCommand,
     L"copydata <caption> <hex|-|@text|*count>   WM_COPYDATA; - is no data, @text is 932 text + "
     L"NUL, *count that many 'x' bytes"},
    {L"close", CloseCommand, L"close <caption>           SendMessage WM_CLOSE"},
    {L"post-close", PostCloseCommand, L"post-close <caption>      PostMessage WM_CLOSE"},
    {L"end-session", EndSessionCommand,
     L"end-session <caption>     WM_QUERYENDSESSION then WM_ENDSESSION(TRUE)"},
    {L"settext", SetTextCommand,
     L"settext <caption> <class> <index> <text>   WM_SETTEXT to the index-th child of that class"},
    {L"msgbox", MessageBoxCommand,
     L"msgbox <yes|no> <ms>      answer a message box: prints title, text, button id"},
    {L"menu", MenuCommand,
     L"menu <ms>                 a popup menu: hwnd rect count, then index id checked grayed text "
     L"rect"},
    {L"click", ClickCommand, L"click <x> <y> [left|right|double|shift]   shift: Shift+left click"},
    {L"shiftdrag", ShiftDragCommand, L"shiftdrag <x1> <y1> <x2> <y2>"},
    {L"type", TypeCommand, L"type <text>               Unicode key strokes"},
    {L"key", KeyCommand, L"key <vk|name> [shift]     name: enter esc tab space back delete up ..."},
    {L"target", TargetCommand,
     L"target <caption> <left> <top> <right> <bottom> <ms> [active]   a window that prints each "
     L"left down, up and dblclick it gets (screen x y) until ms have passed; \"active\": an "
     L"ordinary window that takes the focus and prints each activation change"},
    {L"foreground", ForegroundCommand, L"foreground                the active window, as list"},
    {L"metrics", MetricsCommand,
     L"metrics                   screen, dpi, twips per pixel, monitors"},
};

int Usage() {
  PrintError(L"usage: zltprobe <command> ...");
  for (const Command& command : kCommands) PrintError(std::wstring(L"  ") + command.usage.data());
  return kUsage;
}

int Run(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring_view name = argv[1];
  const Args args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (command.name != name) continue;
    const int code = command.run(args);
    if (code == kUsage) PrintError(std::wstring(L"usage: ") + command.usage.data());
    return code;
  }
  return Usage();
}

}  // namespace
}  // namespace zlt::probe

int wmain(int argc, wchar_t** argv) {
  // Physical pixels, as a DPI-aware program sees its own windows.
  SetProcessDPIAware();
  return zlt::probe::Run(argc, argv);
}
