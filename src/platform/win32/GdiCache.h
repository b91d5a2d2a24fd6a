// Fonts and brushes shared by every window of the process: a thousand notes
// use the same handful, so each is made once and lives as long as the window
// system.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "Handles.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"

namespace zlt::win32 {

class FontCache {
 public:
  // Never null: a font the system cannot make falls back to the GUI font.
  // The font asks for the Japanese character set, and for a Japanese face
  // the system has when the one named is missing. Kept by size and DPI: the
  // notes on one monitor share one font per size.
  HFONT Get(const platform::FontSpec& spec, int dpi);

 private:
  using Key = std::tuple<std::string, long, bool, bool, bool, int>;
  bool HasJapaneseFace(const std::wstring& face);
  std::wstring JapaneseFace(const std::wstring& wanted, bool serif);

  std::map<Key, UniqueFont> fonts_;
  std::map<std::wstring, bool> japaneseFaces_;
};

class BrushCache {
 public:
  HBRUSH Get(platform::Colour colour);

 private:
  std::map<platform::Colour, UniqueBrush> brushes_;
};

}  // namespace zlt::win32
