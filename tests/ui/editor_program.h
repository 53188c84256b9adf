// What the master data screen tests share: a started program over a school written to its
// folder, typing as a keyboard does, the files read back, and the rows a list shows.
#pragma once

#include "core/cp1254.h"
#include "core/data_files.h"
#include "core/entities.h"
#include "core/integrity.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "platform/help_viewer.h"
#include "ui/app_session.h"
#include "ui/list_scheme.h"
#include "ui/message_dialog.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <memory>
#include <string>

namespace zs::test {

inline constexpr std::initializer_list<DataFile> kEveryDataFile = {
    DataFile::Group,         DataFile::Lesson,           DataFile::Class,
    DataFile::Room,          DataFile::Teacher,          DataFile::Duty,
    DataFile::ClassLesson,   DataFile::CommonGroup,      DataFile::TeacherDuty,
    DataFile::TeacherLesson, DataFile::TeacherTimetable, DataFile::ClassTimetable,
    DataFile::RoomTimetable};

// A started program over `school`: every data file, the settings and the annex flags.
struct EditorProgram {
    UiFolder folder;
    std::unique_ptr<ui::AppSession> session;

    explicit EditorProgram(const Database& school = Database()) {
        writeTables(school, folder.mainFolder(), kEveryDataFile);
        writeBytes(folder.mainFolder() / kSettingsFile, encodeSettings(school.settings));
        writeBytes(folder.mainFolder() / kAnnexFile, encodeAnnexFlags(school.annexFlags));
        session = std::make_unique<ui::AppSession>(folder.currentDir(), folder.drives());
        if (!session->start().ok()) qFatal("start-up failed");
    }
    Database& db() { return session->db; }
    std::filesystem::path file(DataFile f) const { return folder.mainFolder() / fileName(f); }
    std::filesystem::path file(const char* name) const { return folder.mainFolder() / name; }
    auto snapshot() const { return test::snapshot(folder.mainFolder()); }

    // Whether the file holds exactly what the table holds.
    bool fileHoldsTable(DataFile f) const {
        return readBytes(file(f)) == encodeTable(session->db, f);
    }
    // The tables as the files now hold them.
    Database written() const {
        Database db;
        LoadReport report;
        for (DataFile f : kEveryDataFile) decodeTable(db, f, readBytes(file(f)), report);
        return db;
    }
};

// Types as a keyboard does, one key press per character.
inline void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces a field's text as the user would: everything selected, then typed over.
inline void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    type(field, text);
}

// The page the help window of `window` shows, empty when none is open.
inline QString helpSource(QWidget* window) {
    auto* help = window->findChild<zs::platform::HelpWindow*>();
    return help ? help->browser()->source().fileName() : QString();
}

inline void showActive(QWidget* screen) {
    screen->show();
    if (!QTest::qWaitForWindowActive(screen)) qFatal("screen not active");
}

// A list screen open over a school, in front, as the user meets it.
template <class Screen> struct OpenScreen {
    EditorProgram program;
    Screen screen;
    explicit OpenScreen(const Database& school = Database())
        : program(school), screen(*program.session) {
        showActive(&screen);
    }
    ui::ListScheme* list() { return screen.list(); }
    QLineEdit* field(const char* name) { return child<QLineEdit>(&screen, name); }
    QPushButton* button(const char* name) { return child<QPushButton>(&screen, name); }
};

// A key of the screen window pressed with the window in front, as after a closed dialog.
inline void pressFunctionKey(QWidget* screen, Qt::Key key) {
    screen->activateWindow();
    if (!QTest::qWaitFor([screen] { return QApplication::activeWindow() == screen; }))
        qFatal("screen not active");
    QTest::keyClick(screen, key);
}

inline QString shown(const std::string& codePage) {
    return QString::fromStdString(cp1254::toUtf8(codePage));
}

// The texts of one column, top to bottom.
inline QStringList columnTexts(const ui::ListScheme* list, int column) {
    QStringList out;
    for (int r = 0; r < list->rowCount(); ++r) out << list->grid()->item(r, column)->text();
    return out;
}

// The texts a row shows, hidden columns left out.
inline QStringList rowTextsOf(const ui::ListScheme* list, int row) {
    QStringList out;
    for (int c = 0; c < list->grid()->columnCount(); ++c)
        if (!list->grid()->isColumnHidden(c)) out << list->grid()->item(row, c)->text();
    return out;
}

// The column titles and which of them are hidden ("-NO" for a hidden "NO").
inline QStringList columnTitles(const ui::ListScheme* list) {
    QStringList out;
    for (int c = 0; c < list->grid()->columnCount(); ++c)
        out << (list->grid()->isColumnHidden(c) ? QStringLiteral("-") : QString()) +
                   list->grid()->horizontalHeaderItem(c)->text();
    return out;
}

// Gives the list the keyboard and selects the row.
inline void enterRow(ui::ListScheme* list, int row) {
    list->grid()->setFocus(Qt::OtherFocusReason);
    list->selectRow(row);
}

template <class W> W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no child %s", name);
    return w;
}

// What the check command would say about the tables: nothing.
inline QString faults(const Database& db) {
    QStringList lines;
    for (const std::string& s : checkReferences(db)) lines << QString::fromStdString(s);
    return lines.join(QLatin1Char('\n'));
}

// Makes a data file impossible to replace: a folder stands where it would go.
inline void blockFile(const std::filesystem::path& file) {
    std::filesystem::remove(file);
    std::filesystem::create_directories(file / "blocked");
}

} // namespace zs::test
