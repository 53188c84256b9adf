// DERSLİKLERE GÖRE DERS PROGRAMI: one room's week with the lessons bound to it; placing
// and removing by hand and the room's cell locks.
#pragma once

#include "timetable_screen.h"

namespace zs::ui {

class RoomTimetableScreen : public TimetableScreen {
    Q_OBJECT
public:
    explicit RoomTimetableScreen(AppSession& session, QWidget* parent = nullptr);

    static QString helpLineText();
    ListScheme* roomList() const { return ownerList(); }

protected:
    void takeSelection() override;

private:
    void fillRooms();
    void fillLessons();

    std::vector<Id> roomIds_;
    std::vector<TeacherLesson> lessonRows_;
};

void openRoomTimetableScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui
