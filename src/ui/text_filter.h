// The key filter of the text fields: only what the code page can hold, at most a given
// number of characters, and in name fields every letter upper-cased by the Turkish rules.
#pragma once

#include <QValidator>

class QLineEdit;

namespace zs::ui {

class TextFilter : public QValidator {
    Q_OBJECT
public:
    TextFilter(int maxLength, bool upperCase, QObject* parent = nullptr);

    // Typing, pasting and undo all pass here: a refused edit leaves the field as it was.
    State validate(QString& input, int& pos) const override;

private:
    int maxLength_;
    bool upperCase_;
};

// A name field: upper-cased, code page only, at most `maxLength` characters.
void filterNameField(QLineEdit* field, int maxLength);
// A free text field (a path): code page only, at most `maxLength` characters.
void filterTextField(QLineEdit* field, int maxLength);

} // namespace zs::ui
