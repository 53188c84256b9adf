// The help pages, shipped inside the program and opened by topic number.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace zs::platform {

namespace help {
enum Topic : int {
    Contents = 0,
    MainMenu = 1,
    WorkingDirectory = 2,
    MessageDialog = 3,
    Lessons = 101,
    LessonGroups = 102,
    LessonEdit = 103,
    LessonGroupEdit = 104,
    Classes = 105,
    ClassEdit = 106,
    Rooms = 107,
    RoomEdit = 108,
    Teachers = 109,
    TeacherEdit = 110,
    DailyLessonCounts = 111,
    TeacherTimetable = 119,
    Settings = 121,
    Details = 124,
    SpecialSettings = 125,
    UnplacedLessons = 126,
    ClassTimetable = 128,
    RoomTimetable = 130,
    NewTimetable = 132,
    Backup = 133,
    StartTimes = 134,
    DutyPlaces = 135,
    DutyPlaceEdit = 136,
    DutyAssignment = 137,
    DutyChart = 138,
    PrintClass = 120,
    PrinterSettings = 122,
    PrintTeacher = 129,
    PrintRoom = 131,
    AutomaticSettings = 139,
    ChangedTeachers = 140,
    Export = 141,
};
} // namespace help

// Whether the program carries a page for the topic.
bool helpTopicExists(int topic);
// The page of a topic; the contents page for a topic without one.
QUrl helpTopicUrl(int topic);

// A window with the help pages, a browser with contents, back and forward.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showTopic(int topic);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Opens the help at the topic. The window belongs to the caller's window, so it stays
// usable while that window is a modal screen; one help window per caller window.
HelpWindow* showHelp(int topic, QWidget* parent);

} // namespace zs::platform
