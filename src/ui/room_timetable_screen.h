// DERSLİKLERE GÖRE DERS PROGRAMI: one room's week with the lessons bound to it; placing
// and removing by hand and the room's cell locks.
#pragma once

#include "core/records.h"
#include "scheduler/timetable_view.h"

#include <QDialog>

#include <vector>

class QLabel;

namespace zs::ui {

class AppSession;
class ListScheme;
class TimetableGrid;

class RoomTimetableScreen : public QDialog {
    Q_OBJECT
public:
    explicit RoomTimetableScreen(AppSession& session, QWidget* parent = nullptr);

    ListScheme* roomList() const { return rooms_; }
    ListScheme* lessonList() const { return lessons_; }
    TimetableGrid* grid() const { return grid_; }
    sched::TimetableSelection selection() const { return sel_; }

    void placeOrRemove(int slot);
    void toggleLock();

protected:
    void reject() override;

private:
    void fillRooms();
    void fillLessons();
    void takeSelection();

    AppSession& session_;
    sched::TimetableSelection sel_;
    std::vector<Id> roomIds_;
    std::vector<TeacherLesson> lessonRows_;
    ListScheme* rooms_;
    ListScheme* lessons_;
    TimetableGrid* grid_;
    QLabel* reason_;
};

void openRoomTimetableScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui
