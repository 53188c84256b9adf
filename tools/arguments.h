// Reading the numbers of the command lines.
#pragma once

#include <string>

namespace zs::tool {

// One to three digits whose value lies in low..high.
bool readSmallNumber(const std::string& text, int low, int high, int& out);

} // namespace zs::tool
