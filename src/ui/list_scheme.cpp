#include "list_scheme.h"

#include "qt_text.h"
#include "text_filter.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

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

std::string fieldBytes(const QLineEdit* field) {
    return toCodePage(field->text()).value_or(std::string());
}

void fitToCharacters(QLineEdit* field, int characters) {
    field->setFixedWidth(widthOf(field->fontMetrics(), std::max(characters, 2)) + 16);
}

} // namespace zs::ui
