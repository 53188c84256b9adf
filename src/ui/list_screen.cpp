#include "list_screen.h"

#include "app_session.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "text_filter.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zs::ui {

ListScreen::ListScreen(AppSession& session, const QString& title, std::vector<ListColumn> columns,
                       const QString& helpLine, int helpTopic, QWidget* parent)
    : QDialog(parent), session_(session), helpTopic_(helpTopic) {
    setWindowTitle(title);

    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("screenTitle"));
    heading->setStyleSheet(QStringLiteral("QLabel { font-size: 14pt; font-weight: bold; "
                                          "color: #1f4e79; }"));

    auto* entryFrame = new QFrame(this);
    entryFrame->setObjectName(QStringLiteral("entryFrame"));
    entryFrame->setFrameShape(QFrame::StyledPanel);
    entry_ = new QGridLayout(entryFrame);
    entry_->setHorizontalSpacing(10);

    list_ = new ListScheme(std::move(columns), helpLine, this);

    buttons_ = new QVBoxLayout;
    buttons_->setSpacing(6);

    auto* left = new QVBoxLayout;
    left->addWidget(entryFrame);
    left->addWidget(list_, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(buttons_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
}

QLineEdit* ListScreen::addEntryField(const QString& label, int maxLength, const QString& objectName,
                                     int row, int column) {
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    filterNameField(field, maxLength);
    addEntryWidget(label, field, maxLength, row, column);
    return field;
}

void ListScreen::addEntryWidget(const QString& label, QLineEdit* field, int characters, int row,
                                int column) {
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    fitToCharacters(field, characters);
    entry_->addWidget(caption, row, column * 2);
    entry_->addWidget(field, row, column * 2 + 1, Qt::AlignLeft);
    entry_->setColumnStretch(column * 2 + 1, 1);
}

void ListScreen::setEntryOrder(std::vector<QLineEdit*> fields, std::function<void()> add,
                               std::function<bool()> complete) {
    entryFields_ = std::move(fields);
    for (std::size_t i = 0; i < entryFields_.size(); ++i) {
        QLineEdit* field = entryFields_[i];
        QLineEdit* next = i + 1 < entryFields_.size() ? entryFields_[i + 1] : nullptr;
        connect(field, &QLineEdit::returnPressed, this, [next, add, complete] {
            if (next)
                next->setFocus();
            else if (complete())
                add();
        });
        if (i > 0) setTabOrder(entryFields_[i - 1], field);
    }
    if (!entryFields_.empty()) setTabOrder(entryFields_.back(), list_->grid());
    focusEntry();
}

QLabel* ListScreen::addEntryNote(int row) {
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("entryNote"));
    note->setStyleSheet(QStringLiteral("QLabel { color: maroon; }"));
    note->setWordWrap(true);
    entry_->addWidget(note, row, 0, 1, entry_->columnCount());
    return note;
}

void ListScreen::clearEntry() {
    for (QLineEdit* field : entryFields_) field->clear();
    focusEntry();
}

void ListScreen::focusEntry() {
    if (!entryFields_.empty()) entryFields_.front()->setFocus(Qt::OtherFocusReason);
}

QPushButton* ListScreen::addButton(const QString& text, const QString& objectName,
                                   const QKeySequence& key, std::function<void()> action) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setMinimumWidth(110);
    // A click leaves the keyboard where it was: in the list or in the entry.
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, action);
    if (!key.isEmpty()) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [button, action] {
            if (button->isEnabled()) action();
        });
        button->setToolTip(key.toString());
    }
    buttons_->addWidget(button);
    return button;
}

void ListScreen::addMoveButtons(std::function<void(int)> move) {
    auto* row = new QHBoxLayout;
    const struct {
        Qt::ArrowType arrow;
        const char* name;
        int direction;
    } arrows[] = {{Qt::UpArrow, "upButton", -1}, {Qt::DownArrow, "downButton", 1}};
    for (const auto& a : arrows) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(a.name));
        button->setArrowType(a.arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(a.direction < 0 ? QStringLiteral("Ctrl+Yukarı")
                                           : QStringLiteral("Ctrl+Aşağı"));
        button->setMinimumSize(50, 30);
        const int direction = a.direction;
        connect(button, &QToolButton::clicked, this, [move, direction] { move(direction); });
        row->addWidget(button);
    }
    buttons_->addSpacing(8);
    buttons_->addLayout(row);
    connect(list_, &ListScheme::moveRequested, this, move);
}

void ListScreen::finishButtons() {
    buttons_->addStretch();
    addButton(QStringLiteral("Yardım"), QStringLiteral("helpButton"), QKeySequence(Qt::Key_F1),
              [this] { platform::showHelp(helpTopic_, this); });
    addButton(QStringLiteral("Kapat"), QStringLiteral("closeButton"), {}, [this] { reject(); });
    // Room for every column and a dozen rows without scrolling sideways.
    const QSize hint = sizeHint();
    resize(std::max(hint.width(), list_->contentWidth() + 180), std::max(hint.height(), 500));
}

bool ListScreen::write(const editors::Change& change) {
    const Status s = editors::writeChange(session_.db, session_.dataDir(), change);
    if (!s) TSilForm::showIoError(this, s.error());
    return s.ok();
}

bool ListScreen::accepted(const editors::Outcome& outcome) {
    if (outcome.verdict == editors::Verdict::TableFull) TSilForm::tableFull(this);
    return outcome.done();
}

} // namespace zs::ui
