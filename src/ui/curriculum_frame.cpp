#include "curriculum_frame.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

class FocusHook : public QObject {
public:
    FocusHook(std::function<void()> entered, QObject* parent)
        : QObject(parent), entered_(std::move(entered)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) entered_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> entered_;
};

} // namespace

ListScheme* makeList(std::vector<ListColumn> columns, const QString& objectName, QWidget* parent,
                     int searchColumn) {
    auto* list = new ListScheme(std::move(columns), QString(), parent);
    list->setObjectName(objectName);
    list->helpLine()->hide();
    list->setSearchColumn(searchColumn);
    return list;
}

QWidget* captioned(const QString& caption, QWidget* content, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* label = new QLabel(caption, box);
    label->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #1f4e79; }"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    return box;
}

void onListFocus(ListScheme* list, std::function<void()> entered) {
    list->grid()->installEventFilter(new FocusHook(std::move(entered), list));
}

QPushButton* keyButton(QWidget* screen, const QString& text, const QString& objectName,
                       const QKeySequence& key, std::function<void()> action) {
    auto* button = new QPushButton(text, screen);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setMinimumWidth(110);
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, screen, action);
    if (!key.isEmpty()) {
        auto* shortcut = new QShortcut(key, screen);
        QObject::connect(shortcut, &QShortcut::activated, screen, [button, action] {
            if (button->isEnabled()) action();
        });
        button->setToolTip(key.toString());
    }
    return button;
}

QLabel* screenHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("screenTitle"));
    heading->setStyleSheet(
        QStringLiteral("QLabel { font-size: 14pt; font-weight: bold; color: #1f4e79; }"));
    return heading;
}

QLabel* infoBox(const QString& objectName, QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setObjectName(objectName);
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    box->setMargin(4);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

QLabel* helpLineLabel(const QString& text, QWidget* parent) {
    auto* help = new QLabel(text, parent);
    help->setObjectName(QStringLiteral("helpLine"));
    help->setTextFormat(Qt::PlainText);
    help->setStyleSheet(QStringLiteral("QLabel { color: #1f4e79; }"));
    return help;
}

} // namespace zs::ui
