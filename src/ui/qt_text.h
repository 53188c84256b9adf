// The screens' boundary between Qt's text and the code-page bytes of the tables.
#pragma once

#include "core/cp1254.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zs::ui {

inline QString fromCodePage(std::string_view bytes) {
    return QString::fromStdString(cp1254::toUtf8(bytes));
}

// Nothing when a character cannot be held by the code page.
inline std::optional<std::string> toCodePage(const QString& text) {
    return cp1254::fromUtf8(text.toStdString());
}

} // namespace zs::ui
