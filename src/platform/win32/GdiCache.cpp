#include "GdiCache.h"

#include <cmath>
#include <initializer_list>

#include "Dpi.h"
#include "Win32Text.h"

namespace zlt::win32 {
namespace {

int CALLBACK CountFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

// Faces with Japanese glyphs, in the order they are tried when the face asked
// for is missing: serif faces for a "明朝" request, gothic ones otherwise.
constexpr std::initializer_list<const wchar_t*> kSerifFallbacks = {
    L"ＭＳ 明朝", L"MS Mincho",  L"ＭＳ Ｐ明朝",       L"MS PMincho",  L"Yu Mincho",
    L"IPAMincho", L"IPAPMincho", L"Noto Serif CJK JP", L"Takao Mincho"};
constexpr std::initializer_list<const wchar_t*> kGothicFallbacks = {
    L"ＭＳ Ｐゴシック",  L"MS PGothic",   L"MS UI Gothic",  L"Meiryo UI",
    L"Meiryo",           L"Yu Gothic UI", L"IPAPGothic",    L"IPAGothic",
    L"Noto Sans CJK JP", L"VL PGothic",   L"Takao PGothic", L"Droid Sans Fallback"};

}  // namespace

bool FontCache::HasJapaneseFace(const std::wstring& face) {
  const auto known = japaneseFaces_.find(face);
  if (known != japaneseFaces_.end()) return known->second;
  LOGFONTW wanted{};
  wanted.lfCharSet = SHIFTJIS_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, &CountFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  japaneseFaces_.emplace(face, found);
  return found;
}

std::wstring FontCache::JapaneseFace(const std::wstring& wanted, bool serif) {
  if (HasJapaneseFace(wanted)) return wanted;
  for (const wchar_t* face : serif ? kSerifFallbacks : kGothicFallbacks) {
    if (HasJapaneseFace(face)) return face;
  }
  // No face known by name: the character set alone steers the font mapper.
  return std::wstring();
}

HFONT FontCache::Get(const platform::FontSpec& spec, int dpi) {
  // Quarter points are as fine as any caller needs.
  const Key key{spec.face, std::lround(spec.points * 4.0), spec.bold, spec.italic, spec.underline,
                dpi};
  const auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();

  LOGFONTW logFont{};
  logFont.lfHeight = platform::FontHeightFromPoints(spec.points, dpi);
  logFont.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = spec.italic ? TRUE : FALSE;
  logFont.lfUnderline = spec.underline ? TRUE : FALSE;
  // Every text the program shows may be Japanese: asked for by face name
  // alone, a system without that face would pick one without the glyphs.
  logFont.lfCharSet = SHIFTJIS_CHARSET;
  logFont.lfQuality = DEFAULT_QUALITY;
  // Hints for a system that lacks the face and must pick another: a "Ｐ" face
  // is proportional, a "明朝" face has serifs.
  const bool proportional = spec.face.find("Ｐ") != std::string::npos;
  const bool serif = spec.face.find("明朝") != std::string::npos;
  logFont.lfPitchAndFamily = static_cast<BYTE>((proportional ? VARIABLE_PITCH : DEFAULT_PITCH) |
                                               (serif ? FF_ROMAN : FF_DONTCARE));
  const std::wstring face = JapaneseFace(ToWide(spec.face), serif);
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
