#include "arguments.h"

#include <cstdlib>

namespace zs::tool {

bool readSmallNumber(const std::string& text, int low, int high, int& out) {
    if (text.empty() || text.size() > 3) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    out = std::atoi(text.c_str());
    return out >= low && out <= high;
}

} // namespace zs::tool
