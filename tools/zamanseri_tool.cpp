// zamanseri-tool: the program's logic over a working directory, without the screens.
#include "commands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void usage() {
    std::fputs("Kullanım: zamanseri-tool KOMUT DİZİN\n"
               "Komutlar:\n"
               "  check DİZİN   çalışma dizinini yükler, kayıtları sayar, hataları listeler\n"
               "  sample DİZİN --classes N [--seed S]   örnek bir okul yazar\n"
               "  schedule DİZİN [--teacher NO] [--level N] [--quiet]   otomatik dağıtım\n"
               "  backup DİZİN --to KLASÖR   yedek alır (KLASÖR A: ise disket)\n"
               "  restore DİZİN --from KLASÖR   yedekten geri alır\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        usage();
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "check") return zs::tool::runCheck(args);
    if (command == "sample") return zs::tool::runSample(args);
    if (command == "schedule") return zs::tool::runSchedule(args);
    if (command == "backup") return zs::tool::runBackup(args);
    if (command == "restore") return zs::tool::runRestore(args);
    usage();
    return 2;
}
