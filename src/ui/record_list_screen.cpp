#include "record_list_screen.h"

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

void RecordListScreen::added(const editors::Outcome& outcome) {
    if (!accepted(outcome)) return;
    const bool written = write(outcome.change);
    refresh();
    if (written) clearEntry();
}

void RecordListScreen::edited(const editors::Outcome& outcome) {
    if (!outcome.done()) return;
    write(outcome.change);
    refresh();
    focusEntry();
}

bool RecordListScreen::confirmDeletion(const std::string& question) {
    return TSilForm::confirm(this, fromCodePage(question));
}

void RecordListScreen::removed(const editors::Outcome& outcome, int row) {
    if (!outcome.done()) return;
    write(outcome.change);
    list()->afterDeletion(rows(), row);
    validate();
    if (!hasRecords()) focusEntry();
}

void RecordListScreen::moved(const editors::Outcome& outcome, int row, int direction) {
    if (!outcome.done()) return;
    write(outcome.change);
    list()->setRows(rows(), row + direction);
}

} // namespace zs::ui
