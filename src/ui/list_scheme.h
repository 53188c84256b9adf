// The scheme every list screen shares: a grid with a title row and hidden identifier
// columns, a record count, a help line naming the function keys, a prefix search box, and
// the frame of a list screen and of its edit dialog around it.
#pragma once

#include "editors/change.h"
#include "editors/list_rows.h"

#include <QDialog>
#include <QKeySequence>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QFormLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace zs::ui {

class AppSession;

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

// The frame of a list screen: a title, entry fields above the list, a column of buttons
// each bound to its function key, and the help page on F1.
class ListScreen : public QDialog {
    Q_OBJECT
public:
    ListScreen(AppSession& session, const QString& title, std::vector<ListColumn> columns,
               const QString& helpLine, int helpTopic, QWidget* parent = nullptr);

    ListScheme* list() const { return list_; }

protected:
    AppSession& session() const { return session_; }

    // A name field of the entry, upper-cased and held to `maxLength` characters.
    QLineEdit* addEntryField(const QString& label, int maxLength, const QString& objectName,
                             int row, int column);
    // Another kind of entry field, laid out like the name fields.
    void addEntryWidget(const QString& label, QLineEdit* field, int characters, int row,
                        int column);
    // Enter runs `add` once the entry is `complete`, and in the last field; before that it
    // moves on to the next field.
    void setEntryOrder(std::vector<QLineEdit*> fields, std::function<void()> add,
                       std::function<bool()> complete = {});
    // A line under the entry fields that says why the entry cannot be saved.
    QLabel* addEntryNote(int row);
    // Empties the entry and puts the cursor into its first field.
    void clearEntry();
    void focusEntry();

    QPushButton* addButton(const QString& text, const QString& objectName, const QKeySequence& key,
                           std::function<void()> action);
    // The up and down buttons; Ctrl+Up and Ctrl+Down in the list do the same.
    void addMoveButtons(std::function<void(int)> move);
    // "Yardım" and "Kapat" close the button column.
    void finishButtons();

    // Writes what a change names; a failure is shown and answers false.
    bool write(const editors::Change& change);
    // Whether an editor did the change; a full table is told here.
    bool accepted(const editors::Outcome& outcome);

private:
    AppSession& session_;
    int helpTopic_;
    ListScheme* list_;
    QGridLayout* entry_;
    QVBoxLayout* buttons_;
    std::vector<QLineEdit*> entryFields_;
};

// The frame of an edit dialog: labelled fields, "Tamam" enabled while the fields are
// valid, "İptal", and the help page on F1.
class RecordDialog : public QDialog {
    Q_OBJECT
public:
    RecordDialog(const QString& title, int helpTopic, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }
    // Runs on every change of a field; "Tamam" follows its answer.
    void setValidation(std::function<bool()> valid);
    void validate();

protected:
    QLineEdit* addNameField(const QString& label, int maxLength, const QString& objectName,
                            const QString& text);
    void addField(const QString& label, QWidget* field);
    void addWideRow(QWidget* row);
    // A line above the buttons that says why "Tamam" is disabled.
    QLabel* addNote();

private:
    int helpTopic_;
    QFormLayout* form_;
    QPushButton* ok_;
    std::function<bool()> valid_;
};

// A field's text as code-page bytes (the key filter lets nothing else in).
std::string fieldBytes(const QLineEdit* field);
// Room for `characters` upper-case characters in a field.
void fitToCharacters(QLineEdit* field, int characters);

} // namespace zs::ui
