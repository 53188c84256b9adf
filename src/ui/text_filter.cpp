#include "text_filter.h"

#include "core/text.h"
#include "qt_text.h"

#include <QLineEdit>

#include <algorithm>

namespace zs::ui {

TextFilter::TextFilter(int maxLength, bool upperCase, QObject* parent)
    : QValidator(parent), maxLength_(maxLength), upperCase_(upperCase) {}

QValidator::State TextFilter::validate(QString& input, int& pos) const {
    auto bytes = toCodePage(input);
    if (!bytes) return Invalid;
    // One code-page byte is one character.
    if (static_cast<int>(bytes->size()) > maxLength_) return Invalid;
    if (upperCase_) {
        const QString upper = fromCodePage(upperTurkish(*bytes));
        if (upper.size() != input.size()) return Invalid;
        input = upper;
        pos = std::min<int>(pos, static_cast<int>(input.size()));
    }
    return Acceptable;
}

namespace {

void apply(QLineEdit* field, int maxLength, bool upperCase) {
    field->setMaxLength(maxLength);
    field->setValidator(new TextFilter(maxLength, upperCase, field));
}

} // namespace

void filterNameField(QLineEdit* field, int maxLength) {
    apply(field, maxLength, true);
}

void filterTextField(QLineEdit* field, int maxLength) {
    apply(field, maxLength, false);
}

} // namespace zs::ui
