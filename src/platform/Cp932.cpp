// The portable half of code page 932: the policy for bytes and characters the
// table does not cover. The backends only ever see runs they might convert
// whole; anything they refuse is narrowed down here and decided here, so the
// Windows build and the iconv build give the same results.
#include "platform/Cp932.h"

#include <algorithm>

#include "platform/Cp932Backend.h"
#include "platform/Utf8.h"

namespace zlt::platform {
namespace {

// Bytes that never start a valid 932 character: 0x80, 0xA0 and 0xFD-0xFF have
// no code in the table (Windows' best-fit table maps some of them to U+0080
// and U+F8F0-U+F8F3; iconv rejects them), and a lead byte without a trail
// byte is incomplete. Deciding these here keeps both builds alike.
bool IsInvalidSingle(unsigned char byte) {
  return !(byte <= 0x7F || (byte >= 0xA1 && byte <= 0xDF));
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

constexpr char32_t kStandInBase = 0xF700;

void AppendStandIns(std::string& out, std::string_view bytes) {
  for (const char b : bytes) AppendUtf8(out, kStandInBase + static_cast<unsigned char>(b));
}

// Offset of a candidate boundary near the middle of a run of several
// candidates; 0 when the run is a single candidate.
std::size_t MiddleCandidateBoundary(std::string_view run) {
  std::size_t at = 0;
  while (at < run.size()) {
    const std::size_t next = at + cp932::CandidateLength(run, at);
    if (next >= run.size()) return 0;
    if (next >= run.size() / 2) return next;
    at = next;
  }
  return 0;
}

// Decodes the longest prefix of run made of valid candidates and returns its
// length: run.size(), or the offset of the first candidate the table refuses.
// A refused run is halved until that candidate is found, so valid text costs
// a single backend call.
std::size_t DecodeValidPrefix(std::string& out, std::string_view run) {
  if (IsAscii(run)) {  // the same in 932 and UTF-8
    out += run;
    return run.size();
  }
  if (auto text = cp932::DecodeStrict(run)) {
    out += *text;
    return run.size();
  }
  const std::size_t middle = MiddleCandidateBoundary(run);
  if (middle == 0) return 0;
  const std::size_t first = DecodeValidPrefix(out, run.substr(0, middle));
  if (first < middle) return first;
  return middle + DecodeValidPrefix(out, run.substr(middle));
}

// Runs handed to the backend start small after a refusal and grow while they
// succeed, so damaged stretches cost little and clean text few calls.
constexpr std::size_t kSmallestRun = 16;
constexpr std::size_t kLargestRun = 1 << 16;

std::size_t MiddleCharacterBoundary(std::string_view run) {
  std::size_t at = run.size() / 2;
  while (at > 0 && (static_cast<unsigned char>(run[at]) & 0xC0) == 0x80) --at;
  if (at == 0) {  // the first character is longer than half the run
    char32_t ignored = 0;
    at = Utf8SequenceLength(run, 0, ignored);
    if (at >= run.size()) return 0;
  }
  return at;
}

// Encodes a run of valid UTF-8. A result that does not decode back to the same
// text holds a best-fit substitute (iconv maps U+00A5 to 0x5C, for one), and
// those characters become "?" like the ones without any code.
void EncodeRun(std::string& out, std::string_view run) {
  if (IsAscii(run)) {
    out += run;
    return;
  }
  if (auto bytes = cp932::EncodeStrict(run); bytes && Cp932ToUtf8(*bytes) == run) {
    out += *bytes;
    return;
  }
  const std::size_t middle = MiddleCharacterBoundary(run);
  if (middle == 0) {
    out += '?';
    return;
  }
  EncodeRun(out, run.substr(0, middle));
  EncodeRun(out, run.substr(middle));
}

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
  if (IsAscii(bytes)) return std::string(bytes);  // most keys and values of a note file
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  std::size_t runLimit = kLargestRun;
  std::size_t at = 0;
  while (at < bytes.size()) {
    // The run: candidates up to a byte that is invalid on its own, or the limit.
    std::size_t runEnd = at;
    bool invalidSingle = false;
    while (runEnd < bytes.size() && runEnd - at < runLimit) {
      const std::size_t length = cp932::CandidateLength(bytes, runEnd);
      invalidSingle = length == 1 && IsInvalidSingle(static_cast<unsigned char>(bytes[runEnd]));
      if (invalidSingle) break;
      runEnd += length;
    }
    at += DecodeValidPrefix(out, bytes.substr(at, runEnd - at));
    const bool refused = at < runEnd;
    if (refused || invalidSingle) {
      // An invalid single byte, or the lead byte of a refused pair: its trail
      // byte is read afresh, so "\x85\x40" gives a stand-in and "@", and every
      // invalid byte gets a stand-in of its own (U+F780-U+F7FF).
      AppendStandIns(out, bytes.substr(at, 1));
      ++at;
    }
    runLimit = refused ? kSmallestRun : std::min(runLimit * 2, kLargestRun);
  }
  return out;
}

std::string Utf8ToCp932(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t runStart = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t c = 0;
    const std::size_t length = Utf8SequenceLength(text, at, c);
    const bool standIn = length > 0 && c >= kStandInBase + 0x80 && c <= kStandInBase + 0xFF;
    if (length > 0 && !standIn) {
      at += length;
      continue;
    }
    EncodeRun(out, text.substr(runStart, at - runStart));
    if (standIn) {
      out += static_cast<char>(c - kStandInBase);
      at += length;
    } else {
      out += '?';  // one per byte of invalid UTF-8
      at += 1;
    }
    runStart = at;
  }
  EncodeRun(out, text.substr(runStart));
  return out;
}

bool Cp932Holds(std::string_view text) {
  return IsAscii(text) || Cp932ToUtf8(Utf8ToCp932(text)) == text;
}

}  // namespace zlt::platform
