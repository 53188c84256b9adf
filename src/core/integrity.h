// Checks that every reference in the tables and grids is sound; used by the command-line
// check and by the tests after every change.
#pragma once

#include "database.h"

#include <string>
#include <vector>

namespace zs {

// One line per fault, UTF-8, in a stable order; empty when all is sound.
std::vector<std::string> checkReferences(const Database& db);

} // namespace zs
