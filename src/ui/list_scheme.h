// The list every list screen shares: a grid with a title row and hidden identifier columns,
// a record count, a help line naming the function keys and a prefix search box; and the
// helpers of the entry fields around it.
#pragma once

#include "editors/list_rows.h"

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace zs::ui {

struct ListColumn {
    QString title;
    int characters = 0; // the widest text the column shows
    bool hidden = false;
};

// The list: its text is maroon while it has the focus, black otherwise. Column 0 holds
// the record's identifier ("NO").
class ListScheme : public QWidget {
    Q_OBJECT
public:
    ListScheme(std::vector<ListColumn> columns, const QString& helpLine, QWidget* parent = nullptr);

    // Typing a letter or digit in the list opens the search box over this column.
    void setSearchColumn(int column);

    // Replaces the rows and selects `row`; -1 selects nothing.
    void setRows(editors::ListRows rows, int row);
    // Keeps the selected row number, or the last row when the list got shorter.
    void keepRow(editors::ListRows rows);
    // After the record of `deletedRow` went.
    void afterDeletion(editors::ListRows rows, int deletedRow);
    void selectRow(int row);

    int currentRow() const;
    Id currentId() const; // 0 when no row is selected
    int rowCount() const { return static_cast<int>(rows_.size()); }

    // The width the visible columns need side by side.
    int contentWidth() const;

    QTableWidget* grid() const { return grid_; }
    QLineEdit* searchBox() const { return search_; }
    QLabel* countLabel() const { return count_; }
    QLabel* helpLine() const { return help_; }
    // An entry of the list's context menu.
    QAction* addContextAction(const QString& text);

    static QColor focusedTextColor();

signals:
    // Enter or a double click on a row.
    void editRequested();
    // Ctrl+Up (-1) or Ctrl+Down (+1).
    void moveRequested(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool gridKey(QKeyEvent* key);
    bool searchKey(QKeyEvent* key);
    void openSearch(const QString& typed);
    void closeSearch(bool backToList);
    void search(const QString& text);
    void paintText(bool focused);

    editors::ListRows rows_;
    int searchColumn_ = -1;
    QTableWidget* grid_;
    QLineEdit* search_;
    QLabel* searchLabel_;
    QLabel* count_;
    QLabel* help_;
};

// A field's text as code-page bytes (the key filter lets nothing else in).
std::string fieldBytes(const QLineEdit* field);
// Room for `characters` upper-case characters in a field.
void fitToCharacters(QLineEdit* field, int characters);

} // namespace zs::ui
