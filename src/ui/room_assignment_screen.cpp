#include "room_assignment_screen.h"

#include "app_session.h"
#include "core/display_names.h"
#include "curriculum/class_lesson_rooms.h"
#include "curriculum_frame.h"
#include "curriculum_rows.h"
#include "curriculum_write.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 113;

editors::ListRows roomRowsWithLoad(const Database& db) {
    editors::ListRows rows;
    for (const Room& r : db.rooms)
        rows.push_back({r.id, {std::to_string(r.id), r.name, std::to_string(roomLoad(db, r.id))}});
    return rows;
}

editors::ListRows lessonRoomRows(const Database& db, Id classId, Id lessonId) {
    editors::ListRows rows;
    for (Id id : roomsOf(db, classId, lessonId))
        rows.push_back({id, {std::to_string(id), roomName(db, id)}});
    return rows;
}

} // namespace

RoomAssignmentScreen::RoomAssignmentScreen(AppSession& session, Id classId, Id lessonId,
                                           QWidget* parent)
    : QDialog(parent), session_(session), classId_(classId), lessonId_(lessonId) {
    setObjectName(QStringLiteral("RoomAssignmentScreen"));
    setWindowTitle(QStringLiteral("DERSLİK"));

    title_ = infoBox(QStringLiteral("titleBox"), this);
    title_->setText(fromCodePage(roomsTitle(session_.db, classId, lessonId)));
    title_->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    rooms_ = makeList({{QStringLiteral("NO"), 3, true},
                       {QStringLiteral("DERSLİK ADI"), 12, false},
                       {QStringLiteral("TOP"), 3, false}},
                      QStringLiteral("roomList"), this, 1);
    lessonRooms_ =
        makeList({{QStringLiteral("NO"), 3, true}, {QStringLiteral("DERSLİK ADI"), 12, false}},
                 QStringLiteral("lessonRoomList"), this, 1);

    add_ = keyButton(this, QStringLiteral("Ekle"), QStringLiteral("addButton"),
                     QKeySequence(Qt::Key_F4), [this] { addSelectedRoom(); });
    delete_ = keyButton(this, QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { removeSelectedRoom(); });
    auto* help =
        keyButton(this, QStringLiteral("Yardım"), QStringLiteral("helpButton"),
                  QKeySequence(Qt::Key_F1), [this] { platform::showHelp(kHelpTopic, this); });
    auto* close = keyButton(this, QStringLiteral("Kapat"), QStringLiteral("closeButton"), {},
                            [this] { reject(); });
    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(22);
    buttons->addWidget(add_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addWidget(captioned(QStringLiteral("DERSLİKLER"), rooms_, this), 1);
    body->addWidget(
        captioned(QStringLiteral("BU DERSİN OKUTULDUĞU DERSLİKLER"), lessonRooms_, this), 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(title_);
    layout->addLayout(body, 1);
    layout->addWidget(helpLineLabel(
        QStringLiteral("F1 = Yardım    F4 = Ekle    F7 = Sil    Enter = Ekle "), this));
    resize(640, 420);

    connect(rooms_, &ListScheme::editRequested, this, &RoomAssignmentScreen::addSelectedRoom);
    onListFocus(rooms_, [this] { delete_->setEnabled(false); });
    onListFocus(lessonRooms_, [this] { delete_->setEnabled(lessonRooms_->rowCount() > 0); });

    rooms_->setRows(roomRowsWithLoad(session_.db), session_.db.rooms.empty() ? -1 : 0);
    refresh(0);
    delete_->setEnabled(false);
    rooms_->grid()->setFocus(Qt::OtherFocusReason);
}

void RoomAssignmentScreen::refresh(int lessonRoomRow) {
    rooms_->keepRow(roomRowsWithLoad(session_.db));
    editors::ListRows rows = lessonRoomRows(session_.db, classId_, lessonId_);
    lessonRooms_->setRows(rows, editors::keptRow(lessonRoomRow, static_cast<int>(rows.size())));
    if (lessonRooms_->grid()->hasFocus()) delete_->setEnabled(lessonRooms_->rowCount() > 0);
}

void RoomAssignmentScreen::addSelectedRoom() {
    const Id roomId = rooms_->currentId();
    if (!roomId) return;
    AddRoomOutcome outcome = AddRoomOutcome::Missing;
    changeAndWrite(this, session_, kRoomAddedFiles, [&](Database& db) {
        outcome = addRoomToClassLesson(db, classId_, lessonId_, roomId);
        return outcome == AddRoomOutcome::Added;
    });
    if (outcome == AddRoomOutcome::Placed) TSilForm::inform(this, fromCodePage(placedRoomNotice()));
    if (outcome == AddRoomOutcome::RoomsFull)
        TSilForm::inform(this, fromCodePage(roomsFullNotice()));
    refresh(lessonRooms_->rowCount());
}

void RoomAssignmentScreen::removeSelectedRoom() {
    const Id roomId = lessonRooms_->currentId();
    if (!roomId) return;
    const int row = lessonRooms_->currentRow();
    changeAndWrite(this, session_, kRoomRemovedFiles, [&](Database& db) {
        takeRoomFromClassLesson(db, classId_, lessonId_, roomId);
        return true;
    });
    refresh(row);
}

void openRoomAssignmentScreen(QWidget* parent, AppSession& session, Id classId, Id lessonId) {
    if (!session.db.classLessons.contains(classId, lessonId)) return;
    RoomAssignmentScreen screen(session, classId, lessonId, parent);
    screen.exec();
}

} // namespace zs::ui
