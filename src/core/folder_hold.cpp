#include "folder_hold.h"

#include "intent_record.h"

namespace zs {

Result<HeldFolder> holdFolder(const std::filesystem::path& dir, const std::string& holder) {
    auto lock = acquireDirLock(dir, holder);
    if (!lock) return lock.error();
    auto recovered = recoverInterruptedWrite(dir.empty() ? std::filesystem::path(".") : dir);
    if (!recovered) return recovered.error();
    return HeldFolder{std::move(lock.value()), std::move(recovered.value())};
}

} // namespace zs
