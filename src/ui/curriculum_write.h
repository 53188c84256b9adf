// How the curriculum screens commit a change: the tables change, then the files the
// change names are written at once. When a file cannot be written, the tables return to
// what they were and the general error message is shown.
#pragma once

#include "core/data_files.h"
#include "core/database.h"

#include <functional>
#include <vector>

class QWidget;

namespace zs::ui {

class AppSession;

// `change` answers whether it changed anything; nothing is written when it did not.
// False when a file could not be written.
bool changeAndWrite(QWidget* parent, AppSession& session, const std::vector<DataFile>& files,
                    const std::function<bool(Database&)>& change);

} // namespace zs::ui
