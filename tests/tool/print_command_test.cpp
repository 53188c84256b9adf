// zamanseri-tool print: the PDF written, and refusals with their exit codes.
#include "core/data_files.h"
#include "core/entities.h"
#include "core/startup.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace zs {
namespace {

using test::TempDir;

int runTool(const std::string& arguments, std::string& out) {
    const test::ToolRun r = test::runTool(ZS_TOOL, "print " + arguments);
    out += r.out;
    return r.exitCode;
}

TEST(PrintCommand, WritesThePdfOrRefusesWithTheReason) {
    TempDir dir;
    Database db;
    addSchoolClass(db, 1, "9", "A");
    addTeacher(db, 1, "A", "", "", "");
    createMissingTimetables(db);
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()),
                           {DataFile::Class, DataFile::Teacher, DataFile::TeacherTimetable,
                            DataFile::ClassTimetable}));
    const std::string folder = "'" + dir.path().string() + "'";
    const std::string pdf = (dir / "out.pdf").string();
    const struct {
        std::string arguments;
        int exitCode;
        std::string says;
    } cases[] = {
        {folder + " --what teacher,class-sheet --all --pdf " + pdf, 0, ""},
        {folder + " --what teacher --id 7 --pdf " + pdf, 1, "Kayıt bulunamadı: 7"},
        {folder + " --what timetable --pdf " + pdf, 2, "Kullanım"},
        {folder + " --what class --pdf /nonexistent/dir/x.pdf", 2, "PDF dosyası yazılamadı."},
        {folder + " --what class --paper A9000 --pdf " + pdf, 2, "Kullanım"},
        {folder + " --what class --orientation upright --pdf " + pdf, 2, "Kullanım"},
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_EQ(runTool(c.arguments, out), c.exitCode) << c.arguments << "\n" << out;
        EXPECT_NE(out.find(c.says), std::string::npos) << out;
    }
    std::ifstream written(pdf, std::ios::binary);
    std::string head(4, '\0');
    written.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
}

// The page box of the first page, in points, as the file writes it.
std::string mediaBox(const std::string& pdf) {
    std::ifstream in(pdf, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto at = bytes.find("/MediaBox [");
    if (at == std::string::npos) return {};
    return bytes.substr(at + 11, bytes.find(']', at) - at - 11);
}

TEST(PrintCommand, PaperAndOrientationReachThePdf) {
    TempDir dir;
    Database db;
    addSchoolClass(db, 1, "9", "A");
    createMissingTimetables(db);
    ASSERT_TRUE(saveTables(db, DataDir(dir.path()), {DataFile::Class, DataFile::ClassTimetable}));
    const std::string folder = "'" + dir.path().string() + "'";
    const std::string pdf = (dir / "out.pdf").string();
    const struct {
        std::string options;
        std::string box;
    } cases[] = {
        {"--what class", "0 0 595.000000 842.000000"},       // A4 upright
        {"--what class-sheet", "0 0 842.000000 595.000000"}, // sheet lists lie
        {"--what class --orientation landscape", "0 0 842.000000 595.000000"},
        {"--what class-sheet --paper a3", "0 0 1191.000000 842.000000"},
        {"--what class-sheet --paper A3 --orientation portrait", "0 0 842.000000 1191.000000"},
    };
    for (const auto& c : cases) {
        std::string out;
        ASSERT_EQ(runTool(folder + " " + c.options + " --pdf " + pdf, out), 0) << out;
        EXPECT_EQ(mediaBox(pdf), c.box) << c.options;
    }
}

} // namespace
} // namespace zs
