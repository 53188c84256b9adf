// BİRDEN FAZLA ÖĞRETMEN: asks before a class lesson that has teachers gets one more.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace zs::ui {

class YesNoBox;

class MultipleTeachersDialog : public QDialog {
    Q_OBJECT
public:
    // `teachers`: the present teachers as the list shows them (" NAME," each).
    MultipleTeachersDialog(const QString& teachers, QWidget* parent = nullptr);

    QPlainTextEdit* teachersBox() const { return teachers_; }
    YesNoBox* answerBox() const { return answer_; }
    QPushButton* okButton() const { return ok_; }
    // Closed with "Tamam" and the answer "E".
    bool givesAgain() const;

private:
    QPlainTextEdit* teachers_;
    YesNoBox* answer_;
    QPushButton* ok_;
};

// Asks; true when the lesson is to be given once more.
bool askGiveAgain(QWidget* parent, const QString& teachers);

} // namespace zs::ui
