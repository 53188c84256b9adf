#include "lesson_edit_dialog.h"

#include "platform/help_viewer.h"
#include "qt_text.h"
#include "text_filter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QWidget>

namespace zs::ui {

namespace {

// The divisibility field holds "E" or "H" and nothing else: the key typed replaces the
// content, any other character (deleting included) is refused.
class YesNoKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        default:
            break;
        }
        const QString typed = key->text().toUpper();
        if (typed.isEmpty()) return false;
        if (typed == QLatin1String("E") || typed == QLatin1String("H"))
            static_cast<QLineEdit*>(watched)->setText(typed);
        return true;
    }
};

QLineEdit* digitsField(QWidget* parent, const QString& objectName, const QString& text) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    filterDigitsField(field, editors::kHoursDigits);
    field->setText(text);
    fitToCharacters(field, editors::kHoursDigits + 1);
    return field;
}

// "Bu dersi [__] nci saatlere yerleştirme" as one line.
QWidget* hourSentence(QWidget* parent, const QString& before, QLineEdit* field,
                      const QString& after) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* lead = new QLabel(before, row);
    lead->setBuddy(field);
    layout->addWidget(lead);
    layout->addWidget(field);
    layout->addWidget(new QLabel(after, row));
    layout->addStretch();
    return row;
}

} // namespace

void filterDigitsField(QLineEdit* field, int digits) {
    field->setMaxLength(digits);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), field));
}

void filterPatternField(QLineEdit* field) {
    field->setMaxLength(editors::kPatternLength);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9+]{0,%1}").arg(editors::kPatternLength)), field));
}

LessonEditDialog::LessonEditDialog(const Database& db, const Lesson& lesson, QWidget* parent)
    : RecordDialog(QStringLiteral("DERSLER (DÜZELT)"), platform::help::LessonEdit, parent) {
    setObjectName(QStringLiteral("LessonEditDialog"));
    const editors::LessonEdit shown = editors::editOf(db, lesson);

    name_ = addNameField(QStringLiteral("DERSİN ADI"), editors::kLessonNameLength,
                         QStringLiteral("nameField"), fromCodePage(shown.name));
    shortName_ = addNameField(QStringLiteral("KISA ADI"), editors::kLessonShortNameLength,
                              QStringLiteral("shortNameField"), fromCodePage(shown.shortName));

    group_ = new QComboBox(this);
    group_->setObjectName(QStringLiteral("groupField"));
    group_->setEditable(true);
    group_->setInsertPolicy(QComboBox::NoInsert);
    for (const LessonGroup& g : db.lessonGroups) group_->addItem(fromCodePage(g.name));
    filterNameField(group_->lineEdit(), editors::kLessonGroupNameLength);
    group_->setEditText(fromCodePage(shown.group));
    group_->setMinimumWidth(group_->fontMetrics().horizontalAdvance(QString(22, QLatin1Char('N'))));
    addField(QStringLiteral("GRUBU"), group_);

    hours_ = digitsField(this, QStringLiteral("hoursField"), fromCodePage(shown.weeklyHours));
    addField(QStringLiteral("HAFTALIK DERS SAATİ"), hours_);

    pattern_ = new QLineEdit(this);
    pattern_->setObjectName(QStringLiteral("patternField"));
    filterPatternField(pattern_);
    pattern_->setText(fromCodePage(shown.pattern));
    fitToCharacters(pattern_, editors::kPatternLength);
    addField(QStringLiteral("YERLEŞTİRME BİÇİMİ"), pattern_);

    divisible_ = new QLineEdit(this);
    divisible_->setObjectName(QStringLiteral("divisibleField"));
    divisible_->setMaxLength(1);
    divisible_->setContextMenuPolicy(Qt::NoContextMenu);
    // Pasting goes round the keys: the validator holds it to the same two letters.
    divisible_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[EH]?")), divisible_));
    divisible_->setText(fromCodePage(shown.divisible));
    divisible_->installEventFilter(new YesNoKeys(divisible_));
    fitToCharacters(divisible_, 2);
    addField(QStringLiteral("BÖLÜNEBİLME"), divisible_);

    notAtHour_ = digitsField(this, QStringLiteral("notAtHourField"), fromCodePage(shown.notAtHour));
    notAfterHour_ =
        digitsField(this, QStringLiteral("notAfterHourField"), fromCodePage(shown.notAfterHour));
    addWideRow(hourSentence(this, QStringLiteral("Bu dersi "), notAtHour_,
                            QStringLiteral("nci saatlere yerleştirme")));
    addWideRow(hourSentence(this, QStringLiteral("Bu dersi"), notAfterHour_,
                            QStringLiteral("nci saatlerden sonrasına yerleştirme")));

    for (QLineEdit* field : {hours_, pattern_})
        connect(field, &QLineEdit::textChanged, this, &RecordDialog::validate);
    QLabel* note = addNote();
    setValidation([this, note] {
        note->setText(
            fromCodePage(editors::hoursProblem(fieldBytes(hours_), fieldBytes(pattern_))));
        return editors::editValid(edit());
    });
}

editors::LessonEdit LessonEditDialog::edit() const {
    return {fieldBytes(name_),      fieldBytes(shortName_),   fieldBytes(group_->lineEdit()),
            fieldBytes(hours_),     fieldBytes(pattern_),     fieldBytes(divisible_),
            fieldBytes(notAtHour_), fieldBytes(notAfterHour_)};
}

} // namespace zs::ui
