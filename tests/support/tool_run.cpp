#include "tool_run.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace zs::test {

ToolRun runTool(const std::string& tool, const std::string& arguments) {
    const std::string cmd = tool + " " + arguments + " 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return {-1, {}};
    std::string out;
    std::array<char, 512> buf{};
    while (std::fgets(buf.data(), buf.size(), p)) out += buf.data();
    const int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

} // namespace zs::test
