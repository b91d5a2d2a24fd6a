#include "note/ValueText.h"

#include <array>
#include <charconv>
#include <cmath>

#include "platform/Blanks.h"

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

// Plain decimal notation only: from_chars would also take "inf", "nan" and
// hexadecimal digits after a sign we strip ourselves.
bool IsDecimalNumberText(std::string_view text) {
  bool digits = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-') {
      return false;
    }
  }
  return digits;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() == '+' || text.front() == '-' || !IsDecimalNumberText(text)) {
    return std::nullopt;
  }
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // A result out of range is refused like text that is no number at all.
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

// std::nearbyint rounds halves to even in the default rounding mode, which
// nothing in this program changes.
template <typename Integer, typename Number>
std::optional<Integer> RoundToInteger(Number value, double lowest, double highest) {
  const double rounded = std::nearbyint(static_cast<double>(value));
  if (rounded < lowest || rounded > highest) return std::nullopt;
  return static_cast<Integer>(rounded);
}

}  // namespace

std::optional<bool> TextToTruth(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (EqualsFolded(trimmed, "true")) return true;
  if (EqualsFolded(trimmed, "false")) return false;
  const auto number = ParseNumber<double>(trimmed);
  if (!number) return std::nullopt;
  return *number != 0.0;
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
  const auto number = ParseNumber<double>(text);
  if (!number) return std::nullopt;
  return RoundToInteger<std::int16_t>(*number, -32768.0, 32767.0);
}

std::optional<std::int32_t> TextToTwips(std::string_view text) {
  const auto number = ParseNumber<float>(text);
  if (!number) return std::nullopt;
  return RoundToInteger<std::int32_t>(*number, -2147483648.0, 2147483647.0);
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
