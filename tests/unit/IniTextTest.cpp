// Private-profile semantics of IniText: reading and writing in memory, with
// and without a multi-line key, the choice of UTF-16, and single keys written
// through IFileSystem; then code page 932 itself, every byte and pair, long and damaged input.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "MemoryFileSystem.h"
#include "cp932_vectors.h"
#include "platform/Cp932.h"
#include "profile/IniProfile.h"

namespace zlt::profile {
namespace {

using platform::Cp932ToUtf8, platform::Utf8ToCp932;

// Most cases read with a multi-line key, as note files are read.
constexpr std::string_view kMultiLineKey = "txtData";

IniText Ini(std::string bytes) { return IniText::Parse(std::move(bytes), kMultiLineKey); }

TEST(IniTextGet, ReadsAsWindowsPrivateProfilesDo) {
  const std::string dup = "[s]\r\nk=1\r\nK=2\r\n[t]\r\nk=3\r\n[S]\r\nk=4\r\nonly=5\r\n";
  const std::string quotes =
      "[s]\r\nd=\"a b\"\r\ns='x'\r\nmix=\"x'\r\none=\"\r\nboth=\"\"\r\ninner=a\"b\"\r\n"
      "twice=\"\"x\"\"\r\nblank=\" a \"\r\n";
  const std::string comments = "[s]\r\n;k=1\r\n  ; k=2\r\n#k=3\r\nk=4;5\r\n";
  const std::string breaks = "[s]\ra=1\nb=2\r\nc=3\n\rd=4";
  const std::string keyless = "k=0\r\n[s]\r\njust text\r\n[unclosed\r\nk=1\r\n";
  const std::string brackets = "[a]b]\r\nk=1\r\n[]\r\nk=2\r\n";
  // "ソ" is 0x83 0x5C, "ゾ" 0x83 0x5D, "ゼ" 0x83 0x5B; "ア" 0x83 0x41 and "ャ"
  // 0x83 0x61 differ only in a trail byte that looks like a letter's case.
  const std::string trail =
      "[\x83\x5d\x83\x5b]\r\n\x83\x5c=\x95\x5c\r\n\x83\x41=1\r\n[\x83\x5c]\r\nk=\x83\x5d\r\n";
  const std::string bom = "\xEF\xBB\xBF[s]\r\nk=1\r\n[t]\r\nk=2\r\n";
  const std::string value(5000, 'x');
  const std::string details = "[s]\r\nAlarm=1\r\nTitle=t\r\ntxtData=a\r\nTitle=inside\r\nx=1\r\n";
  // why, bytes, section, key, the value wanted
  const std::tuple<const char*, std::string, std::string, std::string, std::optional<std::string>>
      cases[] = {
          {"case-blind names", "[Section]\r\nKey=v\r\n", "section", "KEY", "v"},
          {"case-blind names", "[Section]\r\nKey=v\r\n", "SECTION", "key", "v"},
          {"no prefix match", "[Section]\r\nKey=v\r\n", "Sectio", "Key", std::nullopt},
          {"no prefix match", "[Section]\r\nKey=v\r\n", "Section", "Ke", std::nullopt},
          {"first key wins", dup, "s", "k", "1"},
          {"first key wins", dup, "t", "k", "3"},
          {"a duplicate section is never searched", dup, "s", "only", std::nullopt},
          {"blanks trimmed", "  [ s ]  trailing text\r\n \t key \t=\t  a b \t\r\n", "s", "key",
           "a b"},
          {"double quotes stripped", quotes, "s", "d", "a b"},
          {"single quotes stripped", quotes, "s", "s", "x"},
          {"mismatched quotes kept", quotes, "s", "mix", "\"x'"},
          {"a lone quote kept", quotes, "s", "one", "\""},
          {"empty quotes", quotes, "s", "both", ""},
          {"inner quotes kept", quotes, "s", "inner", "a\"b\""},
          {"one pair only", quotes, "s", "twice", "\"x\""},
          {"blanks inside quotes kept", quotes, "s", "blank", " a "},
          {"semicolon lines are comments", comments, "s", "k", "4;5"},
          {"hash is no comment", comments, "s", "#k", "3"},
          {"CR ends a line", breaks, "s", "a", "1"},
          {"LF ends a line", breaks, "s", "b", "2"},
          {"CRLF ends a line", breaks, "s", "c", "3"},
          {"LFCR ends a line", breaks, "s", "d", "4"},
          {"keys before the first section ignored", keyless, "s", "k", "1"},
          {"keyless lines ignored", keyless, "s", "just text", std::nullopt},
          {"no nameless section", keyless, "", "k", std::nullopt},
          {"section ends at the first bracket", brackets, "a", "k", "1"},
          {"section ends at the first bracket", brackets, "a]b", "k", std::nullopt},
          {"empty section name", brackets, "", "k", "2"},
          {"empty value is not missing", "[s]\r\nk=\r\n=x\r\n", "s", "k", ""},
          {"empty key is missing", "[s]\r\nk=\r\n=x\r\n", "s", "", std::nullopt},
          {"long values uncut", "[s]\r\nk=" + value + "\r\n", "s", "k", value},
          {"trail bytes stay in their characters", trail, "ゾゼ", "ソ", "表"},
          {"trail bytes stay in their characters", trail, "ソ", "k", "ゾ"},
          {"trail bytes stay in their characters", trail, "ゾゼ", "ア", "1"},
          {"trail bytes are not case-folded", trail, "ゾゼ", "ャ", std::nullopt},
          {"a UTF-8 mark sticks to the first line", bom, "s", "k", std::nullopt},
          {"a UTF-8 mark sticks to the first line", bom, "t", "k", "2"},
          {"nothing in an empty text", "", "s", "k", std::nullopt},
          {"details lines are never keys", details, "s", "Title", "t"},
          {"details lines are never keys", details, "s", "x", std::nullopt},
          {"the details key gives its first line", details, "s", "txtData", "a"},
          {"details end at the next section", "[t]\r\ntxtData=t\r\n[s]\r\n Alarm = \" 2 \" \r\n",
           "s", "Alarm", " 2 "},
      };
  for (const auto& [why, bytes, section, key, want] : cases) {
    SCOPED_TRACE(std::string(why) + ": [" + section + "] " + key);
    const IniText ini = Ini(bytes);
    EXPECT_EQ(ini.Get(section, key), want);
    // One pass over keys that come before, after or twice gives what each key gives alone.
    const std::string_view keys[] = {"k", key, "KEY", "only", key, "txtData", "Title"};
    const auto read = ini.Read(IniName(section), keys);
    ASSERT_EQ(read.values.size(), std::size(keys));
    for (std::size_t i = 0; i < std::size(keys); ++i)
      EXPECT_EQ(read.values[i], ini.Get(section, keys[i])) << keys[i];
    EXPECT_EQ(read.multiLine, ini.MultiLineValue(section));
  }
}

TEST(IniTextSet, WritesAsWindowsPrivateProfilesDo) {
  const std::string trail = "[\x83\x5d\x83\x5b]\r\n\x83\x5c=\x95\x5c\r\n";  // [ゾゼ] ソ=表
  const std::string details = "[s]\r\nAlarm=1\r\ntxtData=a\r\nx=1\r\n[abc]\r\n";
  const std::array<std::string, 5> cases[] = {
      // before, section, key, value, after
      // An existing key keeps its place, its spelling and its line break.
      {"[S]\r\n  KeY = old \r\nnext=1\r\n", "s", "key", "new", "[S]\r\nKeY=new\r\nnext=1\r\n"},
      {"junk\n[s]\rk=1\n;c\r\n[t]\r\nk=2", "s", "k", "9", "junk\n[s]\rk=9\n;c\r\n[t]\r\nk=2"},
      {"junk\n[s]\rk=1\n;c\r\n[t]\r\nk=2", "t", "k", "8", "junk\n[s]\rk=1\n;c\r\n[t]\r\nk=8"},
      {trail, "ゾゼ", "ソ", "能", "[\x83\x5d\x83\x5b]\r\n\x83\x5c=\x94\x5c\r\n"},
      // A new key follows the last key line of its section, or its header.
      {"[s]\r\na=1\r\n; c\r\n\r\n[t]\r\n", "s", "c", "3",
       "[s]\r\na=1\r\nc=3\r\n; c\r\n\r\n[t]\r\n"},
      {"[s]\r\n\r\n[t]\r\n", "s", "a", "1", "[s]\r\na=1\r\n\r\n[t]\r\n"},
      {"[s]\r\na=1", "s", "b", "2", "[s]\r\na=1\r\nb=2\r\n"},
      {"[s]", "s", "b", "2", "[s]\r\nb=2\r\n"},
      // ... but before the details line, whatever follows it.
      {details, "s", "Title", "t", "[s]\r\nAlarm=1\r\nTitle=t\r\ntxtData=a\r\nx=1\r\n[abc]\r\n"},
      {details, "s", "x", "2", "[s]\r\nAlarm=1\r\nx=2\r\ntxtData=a\r\nx=1\r\n[abc]\r\n"},
      // A missing section is appended without a blank line.
      {"[s]\r\na=1\r\n", "t", "b", "2", "[s]\r\na=1\r\n[t]\r\nb=2\r\n"},
      {"[s]\r\na=1", "t", "b", "2", "[s]\r\na=1\r\n[t]\r\nb=2\r\n"},
      {"", "t", "b", "2", "[t]\r\nb=2\r\n"},
      // Values are written verbatim; names and values in code page 932.
      {"", "s", "k", " two\r\nlines ", "[s]\r\nk= two\r\nlines \r\n"},
      {"", "ゾゼ", "ソ", "表", trail},
  };
  for (const auto& [before, section, key, value, after] : cases) {
    SCOPED_TRACE(before + " + " + key + "=" + value);
    IniText ini = Ini(before);
    ini.Set(section, key, value);
    EXPECT_EQ(ini.Bytes(), after);
    // What it then reads is what its bytes read afresh.
    EXPECT_EQ(ini.MultiLineValue(section), Ini(after).MultiLineValue(section));
    if (value.find('\n') == std::string::npos) {
      EXPECT_EQ(ini.Get(section, key), value);
    }
  }
}

// The details value starts only at a line that begins with its key, runs to the end of the
// section's text whatever its lines look like, and loses exactly one closing line break.
TEST(IniTextMultiLineValue, StartsOnlyAtTheKeyTheReaderNamesAndLosesExactlyOneClosingCrLf) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"[s]\r\nTitle=a txtData=b\r\n", std::nullopt},
      {"[s]\r\n txtData=b\r\n", std::nullopt},
      {"[s]\r\ntxtdata=b\r\n", std::nullopt},
      {"txtData=b\r\n[s]\r\n", std::nullopt},
      {"[s]\r\nTitle=a txtData=b\r\ntxtData=c\r\n", "c"},
      {"[s]\r\ntxtData=", ""},
      {"[s]\r\ntxtData=\r\n", ""},
      {"[s]\r\ntxtData=\r\n\r\n", "\r\n"},
      {"[s]\r\ntxtData=a\n", "a\n"},
      {"[s]\r\ntxtData=a\r", "a\r"},
      {"[s]\r\ntxtData= a \"b\" ", " a \"b\" "}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Ini(text).MultiLineValue("s"), value) << text;

  // A reader that names no multi-line key (the settings file) takes every line
  // for what it looks like; one that names another key ends the keys at it.
  const std::string text = "[s]\r\na=1\r\ntxtData=x\r\nb=2\r\n";
  IniText plain = IniText::Parse(text);
  EXPECT_EQ(plain.MultiLineValue("s"), std::nullopt);
  EXPECT_EQ(plain.Get("s", "txtData"), "x");
  EXPECT_EQ(plain.Get("s", "b"), "2");
  plain.Set("s", "c", "3");
  EXPECT_EQ(plain.Bytes(), text + "c=3\r\n");

  // A name 932 and UTF-16 store otherwise than UTF-8 starts it in either file.
  const std::string sjis = "[s]\r\na=1\r\n\x8f\xda\x8d\xd7=x\r\nb=2\r\n";  // 詳細=x
  for (const std::string& bytes : {sjis, Utf16LeFileBytes("[s]\r\na=1\r\n詳細=x\r\nb=2\r\n")}) {
    IniText named = IniText::Parse(bytes, "詳細");
    EXPECT_EQ(named.MultiLineValue("s"), "x\r\nb=2");
    EXPECT_EQ(named.Get("s", "b"), std::nullopt);
    named.Set("s", "c", "3");
    EXPECT_EQ(named.Get("s", "c"), "3");
    EXPECT_EQ(named.MultiLineValue("s"), "x\r\nb=2") << "a new key goes before the value";
  }
}

// A character 932 lacks survives; damaged UTF-16 (a lone high surrogate, an odd final byte)
// gives replacement characters.
TEST(IniTextUtf16, ReadsAndWritesBackAsUtf16WithEveryCharacterAndAFailedWriteTurnsNoFileUtf16) {
  // "[s]\r\nk=😀表\r\n" in UTF-16LE with its mark.
  const std::string utf16("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x3D\xD8\x00\xDE\x68\x88\r\0\n\0", 26);
  IniText ini = Ini(utf16);
  EXPECT_EQ(ini.Get("s", "k"), "😀表");
  EXPECT_EQ(ini.Bytes(), utf16);
  ini.Set("s", "n", "ソ");
  EXPECT_EQ(ini.Bytes(), utf16 + std::string("n\0=\0\xBD\x30\r\0\n\0", 10));
  const IniText damaged = Ini(std::string("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x00\xD8x\0\n\0z", 21));
  EXPECT_EQ(damaged.Get("s", "k"), "\xEF\xBF\xBDx");
  // A file stays UTF-16 or takes it for a text code page 932 cannot hold.
  EXPECT_FALSE(StoredAsUtf16(false, {}));
  EXPECT_FALSE(StoredAsUtf16(false, {"Title", "買い物 ①"}));
  EXPECT_TRUE(StoredAsUtf16(true, {"Title", "買い物"}));
  EXPECT_TRUE(StoredAsUtf16(false, {"買い物", "한글"}));
  EXPECT_TRUE(StoredAsUtf16(false, {"😀"}));

  // A file that cannot be read is left alone; a write that fails turns no file UTF-16. Either way
  // the files are as they were.
  const std::string kPath = "C:\\ZLT\\user\\ZLTFusen.ini";
  for (const bool unreadable : {true, false}) {
    SCOPED_TRACE(unreadable);
    test::MemoryFileSystem files;
    if (unreadable) files.files[kPath] = "[s]\r\nother=keep\r\n";
    const auto before = files.files;
    files.failReads = unreadable;
    files.failWrites = !unreadable;
    const KeyWritten written = WriteProfileString(files, kPath, "s", "k", "한글");
    EXPECT_EQ(std::pair(written.written, written.utf16), std::pair(false, false));
    EXPECT_EQ(files.files, before);
  }
}

// Code page 932: the shared vector table (checked here against the iconv backend; the Windows
// runner checks it against the system's own conversion); every byte alone and every pair keep
// their bytes, but for duplicate codes (NEC row 13 copies of other characters, the NEC-selected
// IBM rows 0xED-0xEE and the first cells of row 0xFA): they come back as the preferred code, so
// for those decoding what was encoded gives the same text again. Random bytes are the fuzz
// target's.
TEST(Cp932Conversion, TheTableEveryByteAndPairAndLongDamagedTextConvertBothWays) {
  for (const test::Cp932Vector& vector : test::Cp932Vectors()) {
    const auto problem = test::CheckCp932Vector(vector);
    EXPECT_FALSE(problem.has_value()) << *problem;
  }
  for (int first = 0; first < 256; ++first) {
    const bool duplicates = first == 0x87 || first == 0xED || first == 0xEE || first == 0xFA;
    for (int second = -1; second < 256; ++second) {
      std::string bytes(1, static_cast<char>(first));
      if (second >= 0) bytes += static_cast<char>(second);
      const std::string text = Cp932ToUtf8(bytes);
      if (duplicates && second >= 0) {
        EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(text)), text) << first << " " << second;
      } else {
        EXPECT_EQ(Utf8ToCp932(text), bytes) << first << " " << second;
      }
    }
  }

  // Long text, over several backend runs: one invalid byte a line keeps every byte around it,
  // and each character 932 lacks becomes one "?".
  std::string bytes, text, expected;
  for (int line = 0; line < 20000; ++line) {
    bytes += "\x94\x83\x82\xa2\x95\xa8 " + std::to_string(line) +  // 買い物
             (line % 3 == 0 ? "\xff" : "\x85\x40") + "\r\n";
    text += "表¥";
    expected += "\x95\x5c?";
  }
  EXPECT_TRUE(Utf8ToCp932(Cp932ToUtf8(bytes)) == bytes);
  EXPECT_EQ(Cp932ToUtf8(bytes).substr(0, 14), "買い物 0\xEF\x9F\xBF");
  EXPECT_TRUE(Utf8ToCp932(text) == expected);
}

}  // namespace
}  // namespace zlt::profile
