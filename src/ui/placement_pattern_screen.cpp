#include "placement_pattern_screen.h"

#include "app_session.h"
#include "core/display_names.h"
#include "core/text.h"
#include "curriculum/class_lesson_pattern.h"
#include "curriculum_write.h"
#include "editors/lesson_editor.h"
#include "qt_text.h"
#include "rules/patterns.h"
#include "setting_boxes.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

constexpr int kHelpTopic = 127;
// The parser reads no further than this many characters.
constexpr int kPatternLength = 20;

QLineEdit* shownText(const QString& text, const QString& objectName, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

} // namespace

PlacementPatternScreen::PlacementPatternScreen(AppSession& session, Id classId, Id lessonId,
                                               QWidget* parent)
    : QDialog(parent), session_(session), classId_(classId), lessonId_(lessonId) {
    setObjectName(QStringLiteral("PlacementPatternScreen"));
    setWindowTitle(QStringLiteral("YERLEŞTİRME BİÇİMİ"));
    const Database& db = session_.db;
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);

    divisible_ = new YesNoBox(this);
    divisible_->setObjectName(QStringLiteral("divisibleBox"));
    divisible_->setValue(cl ? cl->divisible : 0);
    pattern_ = new QLineEdit(this);
    pattern_->setObjectName(QStringLiteral("patternBox"));
    pattern_->setMaxLength(kPatternLength);
    pattern_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9+]{0,%1}").arg(kPatternLength)), pattern_));
    pattern_->setText(cl ? fromCodePage(formatPattern(cl->pattern)) : QString());
    setBoxWidth(pattern_, 12);

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(8);
    form->addRow(QStringLiteral("SINIF"), shownText(fromCodePage(classTitle(db, classId)),
                                                    QStringLiteral("classBox"), this));
    form->addRow(QStringLiteral("DERSİN ADI"), shownText(fromCodePage(lessonName(db, lessonId)),
                                                         QStringLiteral("lessonBox"), this));
    auto* hours = shownText(QString::number(lessonWeeklyHours(db, lessonId)),
                            QStringLiteral("hoursBox"), this);
    setBoxWidth(hours, 3);
    form->addRow(QStringLiteral("HAFTALIK DERS SAATİ"), hours);
    form->addRow(QStringLiteral("&BÖLÜNEBİLME"), divisible_);
    form->addRow(QStringLiteral("&YERLEŞTİRME BİÇİMİ"), pattern_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("patternNote"));
    note_->setStyleSheet(QStringLiteral("QLabel { color: maroon; }"));
    note_->setWordWrap(true);
    form->addRow(note_);

    ok_ = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    ok_->setDefault(true);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    connect(ok_, &QPushButton::clicked, this, &PlacementPatternScreen::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, kHelpTopic);
    connect(pattern_, &QLineEdit::textChanged, this, &PlacementPatternScreen::validate);
    connect(divisible_, &YesNoBox::keyHandled, this, &PlacementPatternScreen::validate);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("F1 = Yardım"), this));
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(form);
    layout->addWidget(separatorLine(this));
    layout->addLayout(buttons);
    setMinimumWidth(420);

    validate();
    divisible_->setFocus(Qt::OtherFocusReason);
}

void PlacementPatternScreen::validate() {
    const std::string pattern = fieldText(pattern_);
    ok_->setEnabled(patternEntryValid(session_.db, lessonId_, fieldText(divisible_), pattern));
    // Why "Tamam" is grey, in the words the lessons screen uses.
    note_->setText(fromCodePage(
        editors::hoursProblem(std::to_string(lessonWeeklyHours(session_.db, lessonId_)), pattern)));
}

void PlacementPatternScreen::store() {
    const std::string divisible = fieldText(divisible_);
    const std::string pattern = fieldText(pattern_);
    if (!patternEntryValid(session_.db, lessonId_, divisible, pattern)) return;
    const bool written = changeAndWrite(this, session_, kPatternStoredFiles, [&](Database& db) {
        return storeClassLessonPattern(db, classId_, lessonId_, divisible, pattern);
    });
    if (written) accept();
}

bool openPlacementPatternScreen(QWidget* parent, AppSession& session, Id classId, Id lessonId) {
    if (!session.db.classLessons.contains(classId, lessonId)) return false;
    PlacementPatternScreen screen(session, classId, lessonId, parent);
    return screen.exec() == QDialog::Accepted;
}

} // namespace zs::ui
