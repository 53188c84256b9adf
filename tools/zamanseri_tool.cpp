// zamanseri-tool: the program's logic over a working directory, without the screens.
#include "commands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    const char* usage; // arguments after the command's name
    const char* what;
    int (*run)(const std::vector<std::string>&);
};

// One line of usage per command: --help lists them all, COMMAND --help one.
const Command kCommands[] = {
    {"check", "DİZİN",
     "çalışma dizinini açılıştaki gibi yükler, kayıtları sayar, hataları listeler\n"
     "      (çıkış: 0 sağlam, 1 hata var, 2 dosya okunamadı)",
     zs::tool::runCheck},
    {"sample", "DİZİN --classes N [--seed S] [--free-days]",
     "N sınıflı örnek bir okul yazar; aynı değerler aynı dosyaları verir\n"
     "      (--free-days: 24 saate kadar dersi olan her öğretmenin haftada bir boş günü olur)",
     zs::tool::runSample},
    {"schedule", "DİZİN [--teacher NO] [--level N] [--quiet]",
     "otomatik dağıtımı yapar ve programları yazar\n"
     "      (çıkış: 0 bitti, 1 dağıtılacak ders yok, 2 dosya hatası)",
     zs::tool::runSchedule},
    {"backup", "DİZİN --to KLASÖR",
     "verileri yedek dosyalarına (.YDK) yazar ve geri okuyup karşılaştırır; KLASÖR A: ise\n"
     "      disket (çıkış: 0 tamam, 1 disk yok ya da yazmaya kapalı, 2 dosya hatası)",
     zs::tool::runBackup},
    {"restore", "DİZİN --from KLASÖR",
     "yedek dosyalarını veri dosyalarının yerine koyar, ya hepsini ya hiçbirini;\n"
     "      eskiler ONCEKI-... klasöründe kalır (çıkış: 0 tamam, 1 reddedildi, 2 dosya hatası)",
     zs::tool::runRestore},
    {"export",
     "DİZİN [--html KLASÖR] [--xlsx DOSYA] [--ics KLASÖR --from YYYY-AA-GG\n"
     "      --until YYYY-AA-GG [--minutes N]] [--csv DOSYA]",
     "ders programını web sayfaları, Excel çalışma kitabı, takvim (.ics) ve CSV olarak\n"
     "      dışa aktarır; her biri ya bütün yazılır ya hiç (çıkış: 0 yazıldı, 1 yerleşmiş\n"
     "      ders yok ya da tarih/saat hatası, 2 yanlış kullanım ya da yazılamadı)",
     zs::tool::runExport},
#ifdef ZS_TOOL_PRINT
    {"print", "DİZİN --what TÜR[,TÜR…] [--id NO | --all] --pdf DOSYA",
     "çıktıları PDF dosyasına yazar; TÜR: teacher, class, room, teacher-sheet,\n"
     "      class-sheet, room-sheet, teacher-list, duty-chart\n"
     "      (çıkış: 0 yazıldı, 1 --id bir şey göstermiyor, 2 yanlış kullanım ya da yazılamadı)",
     zs::tool::runPrint},
#endif
};

void printUsage(const Command& c, std::FILE* to) {
    std::fprintf(to, "  zamanseri-tool %s %s\n      %s\n", c.name, c.usage, c.what);
}

void printHelp(std::FILE* to) {
    std::fputs("Kullanım: zamanseri-tool KOMUT DİZİN [SEÇENEKLER]\n"
               "Zamanseri'nin çalışma dizini üzerinde ekransız çalışan aracı.\n\n"
               "Komutlar:\n",
               to);
    for (const Command& c : kCommands) printUsage(c, to);
    std::fputs("\n  zamanseri-tool --help      bu yardımı gösterir\n"
               "  zamanseri-tool KOMUT --help   komutun kullanımını gösterir\n"
               "  zamanseri-tool --version   sürümü gösterir\n",
               to);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printHelp(stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        printHelp(stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("zamanseri-tool %s\n", ZS_VERSION);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (command != c.name) continue;
        if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
            std::fputs("Kullanım:\n", stdout);
            printUsage(c, stdout);
            return 0;
        }
        return c.run(args);
    }
    std::fprintf(stderr, "Bilinmeyen komut: %s\n\n", command.c_str());
    printHelp(stderr);
    return 2;
}
