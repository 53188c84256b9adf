// The page model: fit, page sizes, refused settings and the title block.
#include "core/cp1254.h"
#include "fake_canvas.h"
#include "print/page_model.h"
#include "print/printouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>

namespace zs::print {
namespace {

using test::FakeCanvas;

TEST(PageModel, FitCutsAndDropsTrailingBlanks) {
    const struct {
        const char* text;
        std::size_t n;
        const char* want;
    } cases[] = {{"ABC   ", 5, "ABC"}, {"ABCDEFG", 4, "ABCD"}, {"AB", 8, "AB"}, {"", 3, ""}};
    for (const auto& c : cases) EXPECT_EQ(fit(c.text, c.n), c.want) << c.text;
}

TEST(PageModel, PageSizeFollowsTheFamilyAndOrientation) {
    Settings s;
    s.printAutoSize = 0;
    FakeCanvas canvas(2000, 2000);
    canvas.landscape_ = true;
    Page lying(canvas, familySettings(s, Family::Timetable), "");
    EXPECT_EQ(lying.width(), 1683);
    EXPECT_EQ(lying.height(), 1850);
    canvas.landscape_ = false;
    Page upright(canvas, familySettings(s, Family::Timetable), "");
    EXPECT_EQ(upright.width(), 1850);
    Page automatic(canvas, familySettings(s, Family::Sheet), "");
    EXPECT_EQ(automatic.width(), 2000);
    // A page set by hand never passes the printable area.
    FakeCanvas small(900, 1200);
    Page kept(small, familySettings(s, Family::Timetable), "");
    EXPECT_EQ(kept.width(), 900);
    EXPECT_EQ(kept.height(), 1200);
}

TEST(PageModel, StoredDotsGiveTheSameLengthsAtEveryResolution) {
    Settings s;
    s.printAutoSize = 0;
    // Printers of 300, 600 (the PDF writer's) and 1200 dpi; lengths in tenths of a mm.
    for (int dpi : {300, 600, 1200, kReferenceDpi}) {
        FakeCanvas canvas(20 * dpi, 20 * dpi);
        canvas.resolution_ = dpi;
        Page page(canvas, familySettings(s, Family::Timetable), "");
        const auto mm10 = [dpi](int dots) { return (dots * 254 + dpi / 2) / dpi; };
        EXPECT_NEAR(mm10(page.x0), 35, 1) << dpi;         // 20 dots: 3.5 mm
        EXPECT_NEAR(mm10(page.height()), 2969, 1) << dpi; // 1683 dots: the 297 mm of A4
        EXPECT_NEAR(mm10(page.width()), 3263, 1) << dpi;
    }
}

TEST(PageModel, OrientationOfThePageReachesTheDrawing) {
    Database db;
    db.settings.printAutoSize = 0;
    for (bool lying : {false, true}) {
        FakeCanvas canvas(3000, 3000);
        canvas.landscape_ = lying;
        ASSERT_TRUE(drawPrintout(canvas, db, Printout::DutyChart, {}, ""));
        int right = 0;
        for (const test::Drawn& d : canvas.drawn)
            if (d.kind == test::Drawn::Line) right = std::max(right, d.x2);
        // The chart fills the page between the margins.
        const int width = lying ? 1683 : 1850;
        EXPECT_GT(right, width - 2 * 20 - 9) << lying;
        EXPECT_LE(right, width - 20) << lying;
    }
}

TEST(PageModel, EachFamilyIsCheckedOnItsOwn) {
    const struct {
        std::function<void(Settings&)> change;
        bool timetableFault;
        bool sheetFault;
    } cases[] = {
        {[](Settings& s) { s.printTopMargin = s.printLeftMargin = s.sheetTopMargin = 0; }, false,
         false},
        {[](Settings& s) { s.sheetLeftMargin = -5; }, false, true},
        {[](Settings& s) { s.printTopMargin = -1; }, true, false},
        // A size set by hand is checked only while it is used.
        {[](Settings& s) { s.printPageLength = 0; }, false, false},
        {[](Settings& s) { s.printAutoSize = 0, s.printPageLength = 0; }, true, false},
        {[](Settings& s) { s.sheetAutoSize = 0, s.sheetPageHeight = -1; }, false, true},
        {[](Settings& s) { s.printAutoSize = 0, s.printLeftMargin = 842; }, true, false},
        {[](Settings& s) { s.sheetAutoSize = 0, s.sheetTopMargin = 1683; }, false, true},
    };
    EXPECT_FALSE(printSettingsFault(Settings{}));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Settings s;
        cases[i].change(s);
        EXPECT_EQ(printSettingsFault(s, Family::Timetable).has_value(), cases[i].timetableFault)
            << i;
        EXPECT_EQ(printSettingsFault(s, Family::Sheet).has_value(), cases[i].sheetFault) << i;
        EXPECT_EQ(printSettingsFault(s).has_value(), cases[i].timetableFault || cases[i].sheetFault)
            << i;
    }
}

TEST(PageModel, MarginsOfZeroPrintFromTheEdgeOfThePrintableArea) {
    Database db;
    db.settings.printTopMargin = db.settings.printLeftMargin = 0;
    FakeCanvas canvas(1000, 1400);
    ASSERT_TRUE(drawPrintout(canvas, db, Printout::TeacherList, {}, ""));
    EXPECT_EQ(canvas.texts("No").at(0).x, 0);
}

TEST(PageModel, APageTooNarrowForTheMarginsDrawsNothing) {
    Database db;
    FakeCanvas canvas(40, 1400);
    EXPECT_FALSE(drawPrintout(canvas, db, Printout::TeacherList, {}, "07.12.2026"));
    EXPECT_TRUE(canvas.drawn.empty());
}

TEST(PageModel, TitleBlockCentresTheTitleAndDatesThePage) {
    FakeCanvas canvas(1000, 1400);
    Page page(canvas, familySettings(Settings{}, Family::Timetable), "07.12.2026");
    page.titleBlock(cp1254::lit("BAŞLIK"), "Courier New");
    const auto title = canvas.texts("BAŞLIK");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].x, (1000 - 6 * 12) / 2);
    EXPECT_EQ(title[0].font.style, kBold);
    const auto date = canvas.texts("Tarih : 07.12.2026");
    ASSERT_EQ(date.size(), 1u);
    EXPECT_EQ(date[0].x, 1000 - 24 * 9);
    EXPECT_EQ(date[0].y, 20 + 18 / 8);
    EXPECT_EQ(page.y, 20 + 18);
}

} // namespace
} // namespace zs::print
