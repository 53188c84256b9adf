// A fresh folder per test, removed afterwards.
#pragma once

#include "core/file_io.h"

#include <filesystem>
#include <string>

namespace zs::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    Bytes read(const std::string& name) const;
    void write(const std::string& name, const Bytes& bytes) const;

private:
    std::filesystem::path path_;
};

} // namespace zs::test
