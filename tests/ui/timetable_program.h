// The program the timetable screen tests work on: a small sample school in a fresh
// working directory, loaded by a started session.
#pragma once

#include "core/data_files.h"
#include "rules/placement.h"
#include "sample/sample_school.h"
#include "ui/app_session.h"
#include "ui_test_support.h"

#include <QTest>

#include <memory>

namespace zs::test {

struct TimetableProgram {
    UiFolder folder;
    std::unique_ptr<ui::AppSession> session;

    explicit TimetableProgram(const sched::SampleOptions& school = {4, 3}) {
        std::filesystem::create_directories(folder.mainFolder());
        const auto written = sched::writeSampleSchool(DataDir(folder.mainFolder()), school);
        Q_ASSERT(written.ok());
        session = std::make_unique<ui::AppSession>(folder.currentDir(), folder.drives());
        const auto started = session->start();
        Q_ASSERT(started.ok());
    }
    Bytes file(const char* name) const { return readBytes(folder.mainFolder() / name); }
};

inline void showActive(QWidget* screen) {
    screen->show();
    if (!QTest::qWaitForWindowExposed(screen)) qFatal("screen not shown");
}

// The first slot where a block of the class lesson can be placed by hand, 0 when none.
inline int firstFreeSlot(const Database& db, Id classId, Id lessonId) {
    for (int slot = 1; slot <= kSlots; ++slot)
        if (CanPlace(db, slot, classId, lessonId)) return slot;
    return 0;
}

} // namespace zs::test
