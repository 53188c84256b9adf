// The tables' Windows-1254 texts as the exported files carry them: UTF-8 without control
// characters, and escaped for HTML.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zs::exporting {

std::string utf8(std::string_view codePage);
// UTF-8 with &, <, >, " and ' written as character references.
std::string html(std::string_view codePage);
std::string joined(const std::vector<std::string>& parts, std::string_view separator);

} // namespace zs::exporting
