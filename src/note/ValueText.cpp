#include "note/ValueText.h"

#include <array>
#include <charconv>
#include <cmath>

#include "platform/Blanks.h"
#include "state/Text.h"

namespace zlt::note {
namespace {

using platform::TrimBlanks;

bool EqualsFolded(std::string_view text, std::string_view lowerWord) {
  if (text.size() != lowerWord.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerWord[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<bool> TextToTruth(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (EqualsFolded(trimmed, "true")) return true;
  if (EqualsFolded(trimmed, "false")) return false;
  const auto number = ParseNumber<double>(trimmed, NumberSyntax::kDecimal);
  if (!number) return std::nullopt;
  return *number != 0.0;
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
  return ParseWholeNumber<std::int16_t>(text, NumberSyntax::kDecimal);
}

std::optional<std::int32_t> TextToTwips(std::string_view text) {
  return ParseWholeNumber<std::int32_t, float>(text, NumberSyntax::kDecimal);
}

std::string SingleToText(float value) {
  if (!std::isfinite(value) || value == 0.0f) return "0";  // no "-0", "inf" or "nan" in a file
  std::array<char, 64> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (error != std::errc()) return "0";
  return std::string(buffer.data(), end);
}

}  // namespace zlt::note
