// The frame every list screen shares around its list.
#pragma once

#include "editors/change.h"
#include "list_scheme.h"

#include <QDialog>
#include <QKeySequence>

#include <functional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace zs::ui {

class AppSession;

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
    // Enter moves on to the next field; in the last one it runs `add` when the entry is
    // `complete`, so a half-typed entry is never saved by the key that moves through it.
    void setEntryOrder(std::vector<QLineEdit*> fields, std::function<void()> add,
                       std::function<bool()> complete);
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

} // namespace zs::ui
