// Every printout of generated schools, drawn on A4: no text touches a ruled line or
// leaves the page, at the default fonts and at the largest size, with every option that
// changes a layout.
#include "core/cp1254.h"
#include "fake_canvas.h"
#include "print/printouts.h"
#include "print/school_facts.h"
#include "rules/placement.h"
#include "sample/sample_school.h"

#include <gtest/gtest.h>

#include <memory>

namespace zs::print {
namespace {

using test::FakeCanvas;

// A4 less 8 mm of unprintable edge, at the reference resolution.
constexpr int kShort = 1100;
constexpr int kLong = 1593;

// The sample school with every lesson hour placed where the rules allow, first come
// first served: cells to fill, not a good timetable.
std::unique_ptr<Database> placedSchool(int classes, std::uint64_t seed) {
    auto db = std::make_unique<Database>();
    sched::buildSampleSchool(*db, {classes, seed});
    for (const ClassLesson& cl : std::vector<ClassLesson>(db->classLessons.rows)) {
        const Lesson* lesson = db->lessons.find(cl.lessonId);
        int left = lesson ? lesson->weeklyHours : 0;
        for (int slot = 1; slot <= kSlots && left > 0; ++slot)
            if (CanPlace(*db, slot, cl.classId, cl.lessonId) &&
                Place(*db, slot, cl.classId, cl.lessonId))
                --left;
    }
    return db;
}

struct Variant {
    const char* name;
    int fontSize; // 0: the defaults
    bool noSplit;
    bool rooms;
    bool twoPerPage;
};

TEST(DrawnLayout, NoTextRunsOverALineOrOffThePage) {
    const Variant variants[] = {
        {"defaults", 0, false, false, true},
        {"size 10", 10, false, false, false},
        {"no split", 0, true, false, false},
        {"rooms", 0, false, true, true},
        {"no split, rooms, size 10", 10, true, true, false},
    };
    const Printout printouts[] = {Printout::Teacher,      Printout::Class,      Printout::Room,
                                  Printout::TeacherSheet, Printout::ClassSheet, Printout::RoomSheet,
                                  Printout::TeacherList,  Printout::DutyChart};
    for (const auto& [classes, seed] : {std::pair{12, 1u}, std::pair{30, 5u}}) {
        const auto school = placedSchool(classes, seed);
        for (const Variant& v : variants) {
            Database db = *school;
            Settings& s = db.settings;
            if (v.fontSize) s.printFontSize = s.sheetFontSize = v.fontSize;
            s.sheetNoShiftSplit = v.noSplit;
            s.sheetPrintRooms = v.rooms;
            s.printTwoPerPage = v.twoPerPage;
            s.printLessonList = !v.twoPerPage;
            for (Printout what : printouts) {
                const bool lying = lyingByDefault(familyOf(what));
                FakeCanvas canvas(lying ? kLong : kShort, lying ? kShort : kLong);
                canvas.landscape_ = lying;
                ASSERT_TRUE(
                    drawPrintout(canvas, db, what, entitiesFrom(db, what, 0), "07.12.2026"));
                const std::string label = std::string(v.name) + ", " + std::to_string(classes) +
                                          " classes, printout " +
                                          std::to_string(static_cast<int>(what));
                EXPECT_GT(canvas.textCount(), 20) << label;
                const auto overruns = canvas.overruns();
                EXPECT_TRUE(overruns.empty())
                    << label << ": " << overruns.size() << ", first " << overruns.front();
            }
        }
    }
}

TEST(DrawnLayout, TheRoomsOptionPrintsEachLessonsRoomInTheSheetLists) {
    const auto school = placedSchool(12, 1);
    // A room of a placed lesson, as its cells show it.
    std::string room;
    for (const ClassLesson& cl : school->classLessons)
        if (cl.roomCount > 0 && placedCount(*school, cl.classId, cl.lessonId) > 0)
            room = cp1254::toUtf8(fit(firstRoomName(*school, cl.classId, cl.lessonId), 4));
    ASSERT_FALSE(room.empty());
    for (Printout what : {Printout::TeacherSheet, Printout::ClassSheet})
        for (bool noSplit : {false, true}) {
            Database db = *school;
            db.settings.sheetNoShiftSplit = noSplit;
            const auto shown = [&](bool rooms) {
                db.settings.sheetPrintRooms = rooms;
                FakeCanvas canvas(kLong, kShort);
                EXPECT_TRUE(drawPrintout(canvas, db, what, {}, ""));
                return canvas.texts(room).size();
            };
            EXPECT_EQ(shown(false), 0u) << static_cast<int>(what) << noSplit;
            EXPECT_GT(shown(true), 0u) << static_cast<int>(what) << noSplit;
        }
}

} // namespace
} // namespace zs::print
