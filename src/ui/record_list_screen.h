// A list screen over one table of records: the entry above the list adds a record, "Düzelt"
// changes the selected one in its dialog, "Sil" deletes it after asking and the arrows move it.
// Every change is written at once; what the list and the buttons show follows it.
#pragma once

#include "list_screen.h"

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace zs::ui {

class RecordListScreen : public ListScreen {
    Q_OBJECT
public:
    using ListScreen::ListScreen;

protected:
    // The list's rows as the table now holds them.
    virtual editors::ListRows rows() const = 0;
    virtual bool entryValid() const = 0;
    virtual bool hasRecords() const = 0;

    // "Kaydet" (F4), "Düzelt" and "Sil" (F7).
    void addRecordButtons(std::function<void()> add, std::function<void()> edit,
                          std::function<void()> remove);
    // Typing in these fields decides anew whether the entry may be saved.
    void watchEntry(std::initializer_list<QLineEdit*> fields);
    // Enter moves through the entry fields and, in the last one, saves a valid entry.
    void setEntryOrder(std::vector<QLineEdit*> fields, std::function<void()> add) {
        ListScreen::setEntryOrder(std::move(fields), std::move(add),
                                  [this] { return entryValid(); });
    }

    // The buttons follow the entry and whether the table holds any record.
    virtual void validate();
    // Shows the rows anew, keeping the selected row.
    void refresh();

    // An editor's change on the tables. Each of the calls below runs it and writes what it
    // changed; a change that cannot be written is taken back, so the tables stay as the
    // files are and pressing the key again does not make a second copy. Each answers
    // the editor's outcome, whose verdict is not Done when nothing changed.
    using Operation = std::function<editors::Outcome(Database&)>;

    // An entry the editor took is written and the entry emptied; one not written stays.
    editors::Outcome added(const Operation& op);
    editors::Outcome edited(const Operation& op);
    // Whether the user agrees to the deletion the question (code-page bytes) names.
    bool confirmDeletion(const std::string& question);
    // The record that stood in `row` is gone.
    editors::Outcome removed(const Operation& op, int row);
    // The record of `row` went `direction` rows up or down; it stays selected.
    editors::Outcome moved(const Operation& op, int row, int direction);

private:
    // Whether the change was made and written.
    bool change(const Operation& op, editors::Outcome& outcome);

    QPushButton* save_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
};

} // namespace zs::ui
