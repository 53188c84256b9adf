// Runs the built zamanseri-tool as a user would, from a shell, and keeps what it said.
#pragma once

#include <filesystem>
#include <string>

namespace zs::test {

struct ToolRun {
    int exitCode;    // -1 when the tool did not end by itself
    std::string out; // standard output and error together
};

// `tool` is the program's path (the test's ZS_TOOL); `arguments` go to the shell as given.
ToolRun runTool(const std::string& tool, const std::string& arguments);

// A host path as one shell word.
std::string quoted(const std::filesystem::path& path);

} // namespace zs::test
