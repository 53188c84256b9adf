#include "timetable_labels.h"

#include "curriculum_frame.h"
#include "qt_text.h"

#include <QLabel>

namespace zs::ui {

QLabel* counterLabel(QWidget* parent, const char* objectName, bool yellow) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(objectName));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(40);
    if (yellow) l->setStyleSheet(QStringLiteral("QLabel { background: yellow; color: black; }"));
    return l;
}

QLabel* reasonLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("reasonLine"));
    line->setStyleSheet(QStringLiteral("QLabel { color: maroon; font-weight: bold; }"));
    line->setWordWrap(true);
    // Room for two lines at all times, so the grid above keeps its height when a reason
    // comes and goes.
    line->setMinimumHeight(2 * line->fontMetrics().lineSpacing() + 4);
    return line;
}

QString closedCellReason() {
    return QStringLiteral("Bu saat kapalı ya da kilitli: önce F8 ile açın.");
}

QString noLessonReason() {
    return QStringLiteral("Yerleştirilecek dersi listeden seçin.");
}

QString handReason(const sched::HandResult& r) {
    switch (r.outcome) {
    case sched::HandOutcome::Closed:
        return closedCellReason();
    case sched::HandOutcome::NoLesson:
        return noLessonReason();
    case sched::HandOutcome::Refused:
        return fromCodePage(r.reason);
    default:
        return {};
    }
}

QLabel* timetableKeyLine(const QString& keys, QWidget* parent) {
    QLabel* line = helpLineLabel(keys, parent);
    line->setWordWrap(true);
    return line;
}

} // namespace zs::ui
