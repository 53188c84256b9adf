// DERSLİK: the rooms in which one class lesson is taught, shared by its common group.
#pragma once

#include "core/ids.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zs::ui {

class AppSession;
class ListScheme;

class RoomAssignmentScreen : public QDialog {
    Q_OBJECT
public:
    RoomAssignmentScreen(AppSession& session, Id classId, Id lessonId, QWidget* parent = nullptr);

    QLabel* titleBox() const { return title_; }
    ListScheme* roomList() const { return rooms_; }
    ListScheme* lessonRoomList() const { return lessonRooms_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }

    // "Ekle": the room selected in "DERSLİKLER".
    void addSelectedRoom();
    // "Sil": the room selected in the lesson's list.
    void removeSelectedRoom();

private:
    void refresh(int lessonRoomRow);

    AppSession& session_;
    Id classId_;
    Id lessonId_;
    QLabel* title_;
    ListScheme* rooms_;
    ListScheme* lessonRooms_;
    QPushButton* add_;
    QPushButton* delete_;
};

void openRoomAssignmentScreen(QWidget* parent, AppSession& session, Id classId, Id lessonId);

} // namespace zs::ui
