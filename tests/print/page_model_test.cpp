// The page model: fit, page sizes, refused settings and the title block.
#include "core/cp1254.h"
#include "fake_canvas.h"
#include "print/page_model.h"
#include "print/printouts.h"

#include <gtest/gtest.h>

#include <functional>

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
    FakeCanvas canvas(900, 1200);
    canvas.landscape_ = true;
    Page lying(canvas, familySettings(s, Family::Timetable), "");
    EXPECT_EQ(lying.width(), 1683);
    EXPECT_EQ(lying.height(), 1850);
    canvas.landscape_ = false;
    Page upright(canvas, familySettings(s, Family::Timetable), "");
    EXPECT_EQ(upright.width(), 1850);
    Page automatic(canvas, familySettings(s, Family::Sheet), "");
    EXPECT_EQ(automatic.width(), 900);
    EXPECT_EQ(automatic.height(), 1200);
}

TEST(PageModel, SettingsThatGiveNoPageAreRefused) {
    const std::function<void(Settings&)> faults[] = {
        [](Settings& s) { s.printTopMargin = 0; },    [](Settings& s) { s.sheetLeftMargin = -5; },
        [](Settings& s) { s.printPageLength = 0; },   [](Settings& s) { s.sheetPageHeight = -1; },
        [](Settings& s) { s.printLeftMargin = 925; }, [](Settings& s) { s.sheetTopMargin = 1683; },
    };
    EXPECT_FALSE(printSettingsFault(Settings{}));
    for (const auto& fault : faults) {
        Settings s;
        fault(s);
        EXPECT_TRUE(printSettingsFault(s));
    }
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
