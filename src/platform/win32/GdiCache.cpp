#include "GdiCache.h"

#include <cmath>

#include "Dpi.h"
#include "Win32Text.h"

namespace zlt::win32 {

HFONT FontCache::Get(const platform::FontSpec& spec) {
  // Quarter points are as fine as any caller needs.
  const Key key{spec.face, std::lround(spec.points * 4.0), spec.bold, spec.italic, spec.underline};
  const auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();

  LOGFONTW logFont{};
  logFont.lfHeight = FontHeightFromPoints(spec.points, dpiY_);
  logFont.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = spec.italic ? TRUE : FALSE;
  logFont.lfUnderline = spec.underline ? TRUE : FALSE;
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfQuality = DEFAULT_QUALITY;
  // Hints for a system that lacks the face and must pick another: a "Ｐ" face
  // is proportional, a "明朝" face has serifs.
  const bool proportional = spec.face.find("Ｐ") != std::string::npos;
  const bool serif = spec.face.find("明朝") != std::string::npos;
  logFont.lfPitchAndFamily = static_cast<BYTE>((proportional ? VARIABLE_PITCH : DEFAULT_PITCH) |
                                               (serif ? FF_ROMAN : FF_DONTCARE));
  const std::wstring face = ToWide(spec.face);
  face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
  UniqueFont font(CreateFontIndirectW(&logFont));
  if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return fonts_.emplace(key, std::move(font)).first->second.Get();
}

HBRUSH BrushCache::Get(platform::Colour colour) {
  const auto found = brushes_.find(colour);
  if (found != brushes_.end()) return found->second.Get();
  UniqueBrush brush(CreateSolidBrush(colour));
  if (!brush) return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  return brushes_.emplace(colour, std::move(brush)).first->second.Get();
}

}  // namespace zlt::win32
