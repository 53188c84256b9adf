// The frame every record's edit dialog shares.
#pragma once

#include "list_scheme.h"

#include <QDialog>

#include <functional>

class QFormLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zs::ui {

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
    void keyPressEvent(QKeyEvent* event) override;

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

} // namespace zs::ui
