#include "common_lessons_screen.h"

#include "app_session.h"
#include "core/display_names.h"
#include "curriculum/common_groups.h"
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

constexpr int kHelpTopic = 114;

editors::ListRows groupRows(const Database& db) {
    editors::ListRows rows;
    for (const CommonGroup& g : db.commonGroups) rows.push_back({g.id, {std::to_string(g.id)}});
    return rows;
}

// A row's id is its member position; the member itself is read from the group.
editors::ListRows memberRows(const Database& db, Id groupId) {
    editors::ListRows rows;
    Id position = 0;
    for (const GroupMember& m : groupMembers(db, groupId)) {
        rows.push_back(
            {++position,
             {std::to_string(groupId), std::to_string(m.classId), std::to_string(m.lessonId),
              classTitle(db, m.classId), lessonName(db, m.lessonId),
              std::to_string(lessonWeeklyHours(db, m.lessonId))}});
    }
    return rows;
}

} // namespace

CommonLessonsScreen::CommonLessonsScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("CommonLessonsScreen"));
    setWindowTitle(QStringLiteral("ORTAK DERSLER"));

    classes_ = makeList({{QStringLiteral("NO"), 3, true},
                         {QStringLiteral("SINIF"), 6, false},
                         {QStringLiteral("BÖLÜM"), 6, false}},
                        QStringLiteral("classList"), this, 1);
    classLessons_ = makeList({{QStringLiteral("ClassNo"), 3, true},
                              {QStringLiteral("LessonNo"), 3, true},
                              {QStringLiteral("DERSİN ADI"), 18, false},
                              {QStringLiteral("HDS"), 3, false}},
                             QStringLiteral("classLessonList"), this, 2);
    groups_ = makeList({{QStringLiteral("NO"), 4, false}}, QStringLiteral("groupList"), this);
    members_ = makeList({{QStringLiteral("CommonNo"), 3, true},
                         {QStringLiteral("ClassNo"), 3, true},
                         {QStringLiteral("LessonNo"), 3, true},
                         {QStringLiteral("SINIF"), 8, false},
                         {QStringLiteral("DERSİN ADI"), 18, false},
                         {QStringLiteral("HDS"), 3, false}},
                        QStringLiteral("memberList"), this);

    auto* create = keyButton(this, QStringLiteral("Yeni"), QStringLiteral("newButton"),
                             QKeySequence(Qt::Key_F5), [this] { newGroup(); });
    delete_ = keyButton(this, QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), [this] { removeSelectedMember(); });
    auto* help =
        keyButton(this, QStringLiteral("Yardım"), QStringLiteral("helpButton"),
                  QKeySequence(Qt::Key_F1), [this] { platform::showHelp(kHelpTopic, this); });
    auto* close = keyButton(this, QStringLiteral("Kapat"), QStringLiteral("closeButton"), {},
                            [this] { reject(); });
    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(22);
    buttons->addWidget(create);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addWidget(captioned(QStringLiteral("SINIFLAR"), classes_, this), 3);
    body->addWidget(captioned(QStringLiteral("SINIFTA OKUTULAN DERSLER"), classLessons_, this), 5);
    body->addWidget(captioned(QStringLiteral("ORTAK DERSLER"), groups_, this), 2);
    body->addWidget(captioned(QStringLiteral("GRUPTAKİ DERSLER"), members_, this), 5);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(screenHeading(windowTitle(), this));
    layout->addLayout(body, 1);
    layout->addWidget(helpLineLabel(
        QStringLiteral("F1 = Yardım    F5 = Yeni Grup    F7 = Sil    Enter = Gruba Ekle "), this));
    resize(1160, 520);

    connect(classes_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_) showClass();
    });
    connect(classLessons_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_ && classLessons_->currentId())
            lastClickedLesson_ = classLessons_->currentId();
    });
    connect(groups_->grid(), &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_) showMembers(0);
    });
    connect(classes_, &ListScheme::editRequested, this, &CommonLessonsScreen::joinSelected);
    connect(classLessons_, &ListScheme::editRequested, this, &CommonLessonsScreen::joinSelected);
    for (ListScheme* other : {classes_, classLessons_, groups_})
        onListFocus(other, [this] { delete_->setEnabled(false); });
    onListFocus(members_, [this] { delete_->setEnabled(members_->rowCount() > 0); });

    filling_ = true;
    classes_->setRows(classRows(session_.db), session_.db.classes.empty() ? -1 : 0);
    filling_ = false;
    showClass();
    showGroups(session_.db.commonGroups.empty() ? 0 : session_.db.commonGroups.rows.front().id);
    delete_->setEnabled(false);
    classes_->grid()->setFocus(Qt::OtherFocusReason);
}

void CommonLessonsScreen::showClass() {
    editors::ListRows rows = classLessonRows(session_.db, classes_->currentId(), false);
    int row = rowOf(rows, lastClickedLesson_);
    if (row < 0 && !rows.empty()) row = 0;
    filling_ = true;
    classLessons_->setRows(std::move(rows), row);
    filling_ = false;
}

void CommonLessonsScreen::showGroups(Id selectGroup) {
    editors::ListRows rows = groupRows(session_.db);
    const int row = rowOf(rows, selectGroup);
    filling_ = true;
    groups_->setRows(std::move(rows), row);
    filling_ = false;
    showMembers(0);
}

void CommonLessonsScreen::showMembers(int row) {
    editors::ListRows rows = memberRows(session_.db, groups_->currentId());
    members_->setRows(rows, editors::keptRow(row, static_cast<int>(rows.size())));
    if (members_->grid()->hasFocus()) delete_->setEnabled(members_->rowCount() > 0);
}

void CommonLessonsScreen::newGroup() {
    NewGroup group;
    const bool written = changeAndWrite(this, session_, kGroupCreatedFiles, [&](Database& db) {
        group = newCommonGroup(db);
        return group.created;
    });
    if (written && group.groupId == 0) TSilForm::tableFull(this);
    if (written && group.groupId) showGroups(group.groupId);
    classes_->grid()->setFocus(Qt::OtherFocusReason);
}

void CommonLessonsScreen::joinSelected() {
    const Id groupId = groups_->currentId();
    const Id classId = classes_->currentId();
    const Id lessonId = classLessons_->currentId();
    if (!groupId || !classId || !lessonId) return;
    std::optional<std::string> refusal;
    changeAndWrite(this, session_, kGroupJoinedFiles, [&](Database& db) {
        refusal = joinCommonGroup(db, groupId, classId, lessonId);
        return !refusal;
    });
    if (refusal) TSilForm::inform(this, fromCodePage(*refusal));
    showMembers(members_->rowCount());
}

void CommonLessonsScreen::removeSelectedMember() {
    const int row = members_->currentRow();
    const std::vector<GroupMember> members = groupMembers(session_.db, groups_->currentId());
    if (row >= 0 && row < static_cast<int>(members.size())) {
        const GroupMember m = members[static_cast<std::size_t>(row)];
        if (TSilForm::confirm(
                this, fromCodePage(leaveGroupQuestion(session_.db, m.classId, m.lessonId)))) {
            changeAndWrite(this, session_, groupLeftFiles(), [&](Database& db) {
                leaveCommonGroup(db, m.classId, m.lessonId);
                return true;
            });
            showMembers(row);
        }
    }
    members_->grid()->setFocus(Qt::OtherFocusReason);
}

void CommonLessonsScreen::done(int result) {
    if (!closed_) {
        closed_ = true;
        changeAndWrite(this, session_, groupsClosedFiles(), [](Database& db) {
            closeCommonGroups(db);
            return true;
        });
    }
    QDialog::done(result);
}

void openCommonLessonsScreen(QWidget* parent, AppSession& session) {
    CommonLessonsScreen screen(session, parent);
    screen.exec();
}

} // namespace zs::ui
