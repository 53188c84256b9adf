// zamanseri-tool: the program's logic over a working directory, without the screens.
#include "commands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void usage() {
    std::fputs(
        "Kullanım: zamanseri-tool KOMUT DİZİN\n"
        "Komutlar:\n"
        "  check DİZİN   çalışma dizinini yükler, kayıtları sayar, hataları listeler\n"
        "  sample DİZİN --classes N [--seed S]   örnek bir okul yazar\n"
        "  schedule DİZİN [--teacher NO] [--level N] [--quiet]   otomatik dağıtım\n"
        "  print DİZİN --what TÜR[,TÜR] [--id NO | --all] --pdf DOSYA   çıktıları PDF'e yazar\n",
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
#ifdef ZS_TOOL_PRINT
    if (command == "print") return zs::tool::runPrint(args);
#endif
    usage();
    return 2;
}
