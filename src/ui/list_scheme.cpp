#include "list_scheme.h"

#include "app_session.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "text_filter.h"

#include <QAction>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

// Names are upper case: a run of N shows how wide a field of that many characters must be.
int widthOf(const QFontMetrics& metrics, int characters) {
    return metrics.horizontalAdvance(QString(characters, QLatin1Char('N')));
}

constexpr int kSearchLength = 30;

} // namespace

ListScheme::ListScheme(std::vector<ListColumn> columns, const QString& helpLine, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("listScheme"));
    grid_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setTabKeyNavigation(false);
    grid_->setWordWrap(false);
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QStringList titles;
    for (const ListColumn& c : columns) titles << c.title;
    grid_->setHorizontalHeaderLabels(titles);
    const QFontMetrics metrics = grid_->fontMetrics();
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const ListColumn& c = columns[static_cast<std::size_t>(i)];
        grid_->setColumnHidden(i, c.hidden);
        grid_->setColumnWidth(
            i, std::max(widthOf(metrics, c.characters), metrics.horizontalAdvance(c.title)) + 18);
    }
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { emit editRequested(); });

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("countLabel"));
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchBox"));
    search_->setPlaceholderText(QStringLiteral("Aranan"));
    filterNameField(search_, kSearchLength);
    search_->setFixedWidth(widthOf(search_->fontMetrics(), 16));
    search_->hide();
    search_->installEventFilter(this);
    searchLabel_ = new QLabel(QStringLiteral("Aranan:"), this);
    searchLabel_->setBuddy(search_);
    searchLabel_->hide();
    connect(search_, &QLineEdit::textChanged, this, &ListScheme::search);

    help_ = new QLabel(helpLine, this);
    help_->setObjectName(QStringLiteral("helpLine"));
    help_->setTextFormat(Qt::PlainText);
    help_->setStyleSheet(QStringLiteral("QLabel { color: #1f4e79; }"));
    if (helpLine.isEmpty()) help_->hide();

    auto* under = new QHBoxLayout;
    under->addWidget(count_);
    under->addStretch();
    under->addWidget(searchLabel_);
    under->addWidget(search_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 1);
    layout->addLayout(under);
    layout->addWidget(help_);
    paintText(false);
    setRows({}, -1);
}

QColor ListScheme::focusedTextColor() {
    return QColor(0x80, 0x00, 0x00);
}

int ListScheme::contentWidth() const {
    int width = 2 * grid_->frameWidth();
    for (int c = 0; c < grid_->columnCount(); ++c)
        if (!grid_->isColumnHidden(c)) width += grid_->columnWidth(c);
    return width;
}

void ListScheme::setSearchColumn(int column) {
    searchColumn_ = column;
}

void ListScheme::setRows(editors::ListRows rows, int row) {
    rows_ = std::move(rows);
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const auto& cells = rows_[static_cast<std::size_t>(r)].cells;
        for (int c = 0; c < static_cast<int>(cells.size()) && c < grid_->columnCount(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(fromCodePage(cells[std::size_t(c)])));
    }
    count_->setText(QStringLiteral("Kayıt sayısı: %1").arg(rows_.size()));
    selectRow(row);
}

void ListScheme::keepRow(editors::ListRows rows) {
    const int row = editors::keptRow(currentRow(), static_cast<int>(rows.size()));
    setRows(std::move(rows), row);
}

void ListScheme::afterDeletion(editors::ListRows rows, int deletedRow) {
    const int row = editors::rowAfterDeletion(deletedRow, static_cast<int>(rows.size()));
    setRows(std::move(rows), row);
}

void ListScheme::selectRow(int row) {
    if (row < 0 || row >= rowCount()) {
        grid_->clearSelection();
        grid_->setCurrentCell(-1, -1);
        return;
    }
    int column = 0;
    while (column < grid_->columnCount() - 1 && grid_->isColumnHidden(column)) ++column;
    grid_->setCurrentCell(row, column);
    grid_->scrollToItem(grid_->item(row, column));
}

int ListScheme::currentRow() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < rowCount() ? row : -1;
}

Id ListScheme::currentId() const {
    const int row = currentRow();
    return row < 0 ? 0 : rows_[static_cast<std::size_t>(row)].id;
}

QAction* ListScheme::addContextAction(const QString& text) {
    auto* action = new QAction(text, grid_);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid_->addAction(action);
    return action;
}

bool ListScheme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_) {
        if (event->type() == QEvent::FocusIn) paintText(true);
        if (event->type() == QEvent::FocusOut) paintText(false);
        if (event->type() == QEvent::KeyPress) return gridKey(static_cast<QKeyEvent*>(event));
    } else if (watched == search_) {
        if (event->type() == QEvent::KeyPress) return searchKey(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) closeSearch(false);
    }
    return QWidget::eventFilter(watched, event);
}

bool ListScheme::gridKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && mods == Qt::NoModifier) {
        if (currentRow() >= 0) emit editRequested();
        return true;
    }
    if (mods == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        emit moveRequested(key->key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    const QString typed = key->text();
    if (searchColumn_ >= 0 && (mods & ~Qt::ShiftModifier) == Qt::NoModifier && typed.size() == 1 &&
        typed[0].isLetterOrNumber()) {
        openSearch(typed);
        return true;
    }
    return false;
}

bool ListScheme::searchKey(QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        closeSearch(true);
        return true;
    default:
        return false;
    }
}

void ListScheme::openSearch(const QString& typed) {
    search_->clear();
    searchLabel_->show();
    search_->show();
    search_->setFocus(Qt::OtherFocusReason);
    search_->insert(typed);
}

void ListScheme::closeSearch(bool backToList) {
    if (backToList) grid_->setFocus(Qt::OtherFocusReason);
    search_->hide();
    searchLabel_->hide();
}

void ListScheme::search(const QString& text) {
    const auto bytes = toCodePage(text);
    if (!bytes) return;
    const int row = editors::firstRowWithPrefix(rows_, searchColumn_, *bytes);
    if (row >= 0) selectRow(row);
}

void ListScheme::paintText(bool focused) {
    QPalette palette = grid_->palette();
    const QColor color = focused ? focusedTextColor() : QColor(Qt::black);
    palette.setColor(QPalette::Active, QPalette::Text, color);
    palette.setColor(QPalette::Inactive, QPalette::Text, color);
    grid_->setPalette(palette);
}

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
            if (!next || (complete && complete()))
                add();
            else
                next->setFocus();
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

RecordDialog::RecordDialog(const QString& title, int helpTopic, QWidget* parent)
    : QDialog(parent), helpTopic_(helpTopic) {
    setWindowTitle(title);
    form_ = new QFormLayout;
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    ok_ = new QPushButton(QStringLiteral("Tamam"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("İptal"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    for (QPushButton* b : {ok_, cancel}) b->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { platform::showHelp(helpTopic_, this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(340);
}

void RecordDialog::setValidation(std::function<bool()> valid) {
    valid_ = std::move(valid);
    validate();
}

void RecordDialog::validate() {
    ok_->setEnabled(!valid_ || valid_());
}

QLineEdit* RecordDialog::addNameField(const QString& label, int maxLength,
                                      const QString& objectName, const QString& text) {
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    filterNameField(field, maxLength);
    field->setText(text);
    fitToCharacters(field, maxLength);
    addField(label, field);
    connect(field, &QLineEdit::textChanged, this, &RecordDialog::validate);
    return field;
}

void RecordDialog::addField(const QString& label, QWidget* field) {
    const bool first = form_->rowCount() == 0;
    form_->addRow(label, field);
    if (first) field->setFocus(Qt::OtherFocusReason);
}

void RecordDialog::addWideRow(QWidget* row) {
    form_->addRow(row);
}

QLabel* RecordDialog::addNote() {
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setStyleSheet(QStringLiteral("QLabel { color: maroon; }"));
    note->setWordWrap(true);
    form_->addRow(note);
    return note;
}

std::string fieldBytes(const QLineEdit* field) {
    return toCodePage(field->text()).value_or(std::string());
}

void fitToCharacters(QLineEdit* field, int characters) {
    field->setFixedWidth(widthOf(field->fontMetrics(), std::max(characters, 2)) + 16);
}

} // namespace zs::ui
