// The information window's own texts: who made the program and where to read
// more about it. Kept together so a release changes them in one place.
#pragma once

#include <string_view>

namespace zlt::manager::texts {

constexpr std::string_view kAuthorLine = "Author: the ZLTFusen developers";
constexpr std::string_view kCreditLine = "Credits: the ZLTFusen team";
// Short enough for its label: the label shows the whole address it opens.
constexpr std::string_view kWebAddress = "https://zlt.example/";

}  // namespace zlt::manager::texts
