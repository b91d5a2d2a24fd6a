// The note file both start-up benchmarks load a thousand times: the worked
// example note, spread over the screen so the notes do not stand on one spot.
#pragma once

#include <string>

#include "platform/Cp932.h"

namespace zlt::bench {

inline std::string NoteFileBytes(int index) {
  const int left = 3360 + (index % 40) * 600;
  const int top = 300 + (index / 40 % 30) * 500;
  const std::string text =
      "[ZLT付箋紙プラグイン]\r\nAlarm=1\r\nAlarmMusic=0\r\nDate=2005/07/30\r\n"
      "Time0=09\r\nTime1=30\r\nLeft=" +
      std::to_string(left) + "\r\nTop=" + std::to_string(top) +
      "\r\nTemae=1\r\nToumei=0\r\nTitle=買い物\r\ntxtData=牛乳\r\nパン\r\n";
  return platform::Utf8ToCp932(text);
}

}  // namespace zlt::bench
