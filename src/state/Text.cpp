#include "state/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zlt {

std::string_view TrimNull(std::string_view text) {
  const auto nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string StripQuotes(std::string_view commandLine) {
  std::string text(TrimBlanks(commandLine));
  for (auto quote = text.find('"'); quote != std::string::npos; quote = text.find('"')) {
    const std::string_view whole(text);
    std::string joined(TrimBlanks(whole.substr(0, quote)));
    joined += ' ';
    joined += TrimBlanks(whole.substr(quote + 1));
    text = std::move(joined);
  }
  return std::string(TrimBlanks(text));
}

std::string_view FirstCharacters(std::string_view text, int n) {
  std::size_t end = 0;
  for (int count = 0; count < n && end < text.size(); ++count) {
    ++end;  // past the lead byte, then past its continuation bytes
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

std::optional<int> NoteNumberFromCaption(std::string_view caption) {
  const auto at = caption.find("No.");
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view digits = caption.substr(at + 3);
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

}  // namespace zlt

namespace zlt {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text after its sign. Only plain decimal notation passes: from_chars
// would also take "inf", "nan", hexadecimal digits and a second sign.
bool HasNumberSyntax(std::string_view text, NumberSyntax syntax) {
  if (syntax == NumberSyntax::kWhole) {
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), IsDigit);
  }
  if (text.empty() || text.front() == '+' || text.front() == '-') return false;
  bool digits = false;
  for (const char c : text) {
    if (IsDigit(c)) {
      digits = true;
    } else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-') {
      return false;
    }
  }
  return digits;
}

std::size_t CountChars(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

std::string_view LeftChars(std::string_view text, int n) { return FirstCharacters(text, n); }

std::string_view RightChars(std::string_view text, int n) {
  const auto total = CountChars(text);
  if (n <= 0) return text.substr(text.size());
  if (static_cast<std::size_t>(n) >= total) return text;
  const auto skip = FirstCharacters(text, static_cast<int>(total) - n).size();
  return text.substr(skip);
}

template <typename Real>
std::optional<Real> ParseNumber(std::string_view text, NumberSyntax syntax) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!HasNumberSyntax(text, syntax)) return std::nullopt;
  Real value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // A number out of range is refused like text that is no number at all.
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

template std::optional<float> ParseNumber<float>(std::string_view, NumberSyntax);
template std::optional<double> ParseNumber<double>(std::string_view, NumberSyntax);

void AppendZeroPadded(std::string& out, long value, int width) {
  // The digits are written backwards into a buffer, then appended at once.
  char digits[24];
  char* const end = digits + sizeof digits;
  char* at = end;
  // Unsigned, so that the most negative value has a magnitude too.
  unsigned long magnitude =
      value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    *--at = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  const auto count = static_cast<int>(end - at);
  if (value < 0) {
    out += '-';
    --width;
  }
  if (width > count) out.append(static_cast<std::size_t>(width - count), '0');
  out.append(at, static_cast<std::size_t>(count));
}

}  // namespace zlt
