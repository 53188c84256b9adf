#include "record_list_screen.h"

#include "app_session.h"
#include "message_dialog.h"
#include "qt_text.h"

#include <QLineEdit>
#include <QPushButton>

namespace zs::ui {

void RecordListScreen::addRecordButtons(std::function<void()> add, std::function<void()> edit,
                                        std::function<void()> remove) {
    save_ = addButton(QStringLiteral("Kaydet"), QStringLiteral("saveButton"),
                      QKeySequence(Qt::Key_F4), std::move(add));
    edit_ = addButton(QStringLiteral("Düzelt"), QStringLiteral("editButton"), {}, std::move(edit));
    delete_ = addButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"),
                        QKeySequence(Qt::Key_F7), std::move(remove));
}

void RecordListScreen::watchEntry(std::initializer_list<QLineEdit*> fields) {
    for (QLineEdit* field : fields)
        connect(field, &QLineEdit::textChanged, this, [this] { validate(); });
}

void RecordListScreen::validate() {
    save_->setEnabled(entryValid());
    const bool any = hasRecords();
    edit_->setEnabled(any);
    delete_->setEnabled(any);
}

void RecordListScreen::refresh() {
    list()->keepRow(rows());
    validate();
}

bool RecordListScreen::change(const Operation& op, editors::Outcome& outcome) {
    Database before = session().db;
    outcome = op(session().db);
    if (!outcome.done()) return false;
    if (write(outcome.change)) return true;
    session().db = std::move(before);
    return false;
}

editors::Outcome RecordListScreen::added(const Operation& op) {
    editors::Outcome outcome;
    const bool written = change(op, outcome);
    if (!accepted(outcome)) return outcome;
    refresh();
    if (written) clearEntry();
    return outcome;
}

editors::Outcome RecordListScreen::edited(const Operation& op) {
    editors::Outcome outcome;
    change(op, outcome);
    if (outcome.done()) refresh();
    focusEntry();
    return outcome;
}

bool RecordListScreen::confirmDeletion(const std::string& question) {
    return TSilForm::confirm(this, fromCodePage(question));
}

editors::Outcome RecordListScreen::removed(const Operation& op, int row) {
    editors::Outcome outcome;
    if (!change(op, outcome)) {
        if (outcome.done()) refresh();
        return outcome;
    }
    list()->afterDeletion(rows(), row);
    validate();
    if (!hasRecords()) focusEntry();
    return outcome;
}

editors::Outcome RecordListScreen::moved(const Operation& op, int row, int direction) {
    editors::Outcome outcome;
    if (change(op, outcome))
        list()->setRows(rows(), row + direction);
    else if (outcome.done())
        refresh();
    return outcome;
}

} // namespace zs::ui
