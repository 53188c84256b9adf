#include "teacher_settings_screen.h"

#include "app_session.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "setting_boxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

const std::array<QString, RuleBoxes::kCount>& captions() {
    static const std::array<QString, RuleBoxes::kCount> c = {
        QStringLiteral("Bu Öğretmenin Programında Dersler arasında boşluk versin mi ?"),
        QStringLiteral("Bir Haftada boşluk sayısı en fazla kaç olsun ?"),
        QStringLiteral("İki ders arasında en fazla kaç boşluk olsun ?"),
        QStringLiteral("Bu Öğretmen aynı sınıfın iki ayrı dersine giriyorsa bu dersler\n"
                       "farklı günlere gelsin mi ?"),
        QStringLiteral("Bir ders birden fazla güne dağılıyorsa arada en az  bir gün\n"
                       "ara olsun mu ?"),
        QStringLiteral("Bir ders birden fazla güne dağılıyorsa farklı günlere yerleşen\n"
                       "dersler farklı saatlere yerleşsin mi ?"),
        QStringLiteral("Bir sınıfta aynı gruptaki dersler farklı günlere yerleşsin mi ?"),
        QStringLiteral("Bu öğretmene günde en fazla kaç saat ders verilsin ?"),
    };
    return c;
}

} // namespace

QString TeacherSettingsScreen::headingText(const QString& teacherName) {
    return QStringLiteral("Sadece ") + teacherName +
           QStringLiteral(", adındaki öğretmen için geçerli olan ayarlar");
}

TeacherSettingsScreen::TeacherSettingsScreen(AppSession& session, Id teacherId, QWidget* parent)
    : QDialog(parent), session_(session), teacherId_(teacherId) {
    setObjectName(QStringLiteral("TeacherSettingsScreen"));
    setWindowTitle(QStringLiteral("ÖZEL AYARLAR"));

    const Teacher* teacher = session_.db.teachers.find(teacherId_);
    heading_ = new QLabel(headingText(teacher ? fromCodePage(teacher->name) : QString()), this);
    heading_->setObjectName(QStringLiteral("heading"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    rules_ = new RuleBoxes(captions(), this);
    if (const TeacherTimetable* grid = session_.db.teacherTimetables.find(teacherId_))
        rules_->setValues(grid->teacherRules);

    const OkCancelRow buttons = okCancelRow(this, platform::help::SpecialSettings);
    ok_ = buttons.ok;
    connect(ok_, &QPushButton::clicked, this, &TeacherSettingsScreen::store);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(heading_);
    layout->addWidget(separatorLine(this));
    layout->addWidget(rules_);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons.row);

    rules_->box(1)->setFocus(Qt::OtherFocusReason);
}

void TeacherSettingsScreen::store() {
    if (!rules_->complete()) {
        TSilForm::inform(this, emptyNumberBoxText(rules_->caption(8)));
        rules_->box(8)->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (TeacherTimetable* grid = session_.db.teacherTimetables.find(teacherId_))
        grid->teacherRules = rules_->values();
    accept();
}

void openTeacherSettingsScreen(QWidget* parent, AppSession& session, Id teacherId) {
    if (!session.db.teacherTimetables.contains(teacherId)) return;
    TeacherSettingsScreen screen(session, teacherId, parent);
    screen.exec();
}

} // namespace zs::ui
