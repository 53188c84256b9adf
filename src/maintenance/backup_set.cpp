#include "backup_set.h"

namespace zs::maintenance {

std::string backupName(DataFile f) {
    std::string name = fileName(f);
    return name.substr(0, name.rfind('.')) + ".YDK";
}

} // namespace zs::maintenance
