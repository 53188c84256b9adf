// Drive A: on the desktop: the first medium mounted for the user.
#include "platform/dos_path.h"

#include <gtest/gtest.h>

namespace zs::platform {
namespace {

TEST(RemovableMedium, FirstMountUnderTheUsersMediaFolders) {
    const std::string table = "/dev/sda1 / ext4 rw,relatime 0 0\n"
                              "/dev/sdc1 /media/ali ext4 rw 0 0\n"
                              "/dev/sdd1 /media/veli/USB ext4 rw 0 0\n"
                              "/dev/sdb1 /media/ali/OKUL\\040YEDEK vfat ro,nosuid 0 0\n"
                              "/dev/sde1 /run/media/ali/DISK vfat rw 0 0\n";
    struct Case {
        std::string user;
        std::string table;
        std::string folder;
        bool readOnly;
    } cases[] = {
        {"ali", table, "/media/ali/OKUL YEDEK", true},
        {"ali", "/dev/sde1 /run/media/ali/DISK vfat rw,noexec 0 0\n", "/run/media/ali/DISK", false},
        {"ayse", table, "", false},
        {"", table, "", false},
    };
    for (const auto& c : cases) {
        const RemovableMedium m = firstUserMedium(c.table, c.user);
        EXPECT_EQ(m.folder, std::filesystem::path(c.folder)) << c.user;
        EXPECT_EQ(m.readOnly, c.readOnly) << c.user;
    }
}

} // namespace
} // namespace zs::platform
