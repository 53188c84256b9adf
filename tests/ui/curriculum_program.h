// What the curriculum screen tests share: a started program over a school written to its
// folder, the files read back, and the check that the tables stay sound.
#pragma once

#include "core/cp1254.h"
#include "core/data_files.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "rules/grid_check.h"
#include "ui/app_session.h"
#include "ui/list_scheme.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>
#include <string>

namespace zs::test {

inline constexpr std::initializer_list<DataFile> kAllFiles = {
    DataFile::Group,         DataFile::Lesson,           DataFile::Class,
    DataFile::Room,          DataFile::Teacher,          DataFile::Duty,
    DataFile::ClassLesson,   DataFile::CommonGroup,      DataFile::TeacherDuty,
    DataFile::TeacherLesson, DataFile::TeacherTimetable, DataFile::ClassTimetable,
    DataFile::RoomTimetable};

// A started program over `school`, every file written.
struct CurriculumProgram {
    UiFolder folder;
    std::unique_ptr<ui::AppSession> session;

    explicit CurriculumProgram(const Database& school) {
        writeTables(school, folder.mainFolder(), kAllFiles);
        session = std::make_unique<ui::AppSession>(folder.currentDir(), folder.drives());
        if (!session->start().ok()) qFatal("start-up failed");
    }
    Database& db() { return session->db; }
    std::filesystem::path file(DataFile f) const { return folder.mainFolder() / fileName(f); }

    // The tables as the files now hold them.
    Database written() const {
        Database db;
        LoadReport report;
        for (DataFile f : kAllFiles) decodeTable(db, f, readBytes(file(f)), report);
        return db;
    }
    // Whether the file holds what the tables hold. A teacher's load bytes are recomputed
    // in memory whenever the teacher's lessons are listed and reach the file with the grids
    // later, so they are left out.
    bool fileHoldsTables(DataFile f) const {
        Database expected = session->db;
        if (f == DataFile::TeacherTimetable) {
            const Database disk = written();
            for (TeacherTimetable& tt : expected.teacherTimetables)
                if (const TeacherTimetable* d = disk.teacherTimetables.find(tt.teacherId)) {
                    tt.windowSlots = d->windowSlots;
                    tt.morningHours = d->morningHours;
                    tt.afternoonHours = d->afternoonHours;
                    tt.totalHours = d->totalHours;
                }
        }
        return readBytes(file(f)) == encodeTable(expected, f);
    }
};

// What the check command would say: nothing.
inline QString faults(const Database& db) {
    QStringList lines;
    for (const std::string& s : checkReferences(db)) lines << QString::fromStdString(s);
    for (const std::string& s : checkGridConsistency(db)) lines << QString::fromStdString(s);
    return lines.join(QLatin1Char('\n'));
}

inline QString text(const std::string& codePage) {
    return QString::fromStdString(cp1254::toUtf8(codePage));
}

inline void showActive(QWidget* screen) {
    screen->show();
    if (!QTest::qWaitForWindowActive(screen)) qFatal("screen not active");
}

// Gives the list the focus and selects the row.
inline void enterRow(ui::ListScheme* list, int row) {
    list->grid()->setFocus(Qt::MouseFocusReason);
    list->selectRow(row);
}

// A double click on the row's first shown cell: the press that starts it, then the click.
inline void doubleClickRow(ui::ListScheme* list, int row) {
    QTableWidget* grid = list->grid();
    int c = 0;
    while (grid->isColumnHidden(c)) ++c;
    const QPoint at = grid->visualItemRect(grid->item(row, c)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

// Makes the window active, as the user's click would: the offscreen platform neither
// activates a dialog opened over an active window nor gives the activation back when
// the dialog closes. Shortcut keys work only in the active window.
inline void backTo(QWidget* screen) {
    screen->activateWindow();
    QApplication::setActiveWindow(screen);
    if (QApplication::activeWindow() != screen->window()) qFatal("screen not active again");
}

// Runs the action on a dialog and closes the dialog when the action left it open, as a
// failed check inside the action does, so that a failure never leaves the test waiting.
inline DialogDriver::Action closing(DialogDriver::Action action) {
    return [action](QWidget* w) {
        QPointer<QWidget> dialog(w);
        action(w);
        if (auto* d = qobject_cast<QDialog*>(dialog.data()); d && d->isVisible()) d->reject();
    };
}

inline void pressKey(ui::ListScheme* list, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(list->grid(), key, mods);
}

// The visible texts of a list row.
inline QStringList rowTexts(ui::ListScheme* list, int row) {
    QStringList out;
    for (int c = 0; c < list->grid()->columnCount(); ++c)
        if (!list->grid()->isColumnHidden(c) && list->grid()->item(row, c))
            out << list->grid()->item(row, c)->text();
    return out;
}

inline QStringList column(ui::ListScheme* list, int column) {
    QStringList out;
    for (int r = 0; r < list->rowCount(); ++r) out << list->grid()->item(r, column)->text();
    return out;
}

} // namespace zs::test
