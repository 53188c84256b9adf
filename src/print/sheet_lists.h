// The sheet lists: every teacher, class or room of the school on a few wide pages.
#pragma once

#include "page_model.h"

#include "core/database.h"

namespace zs::print {

// Each draws a whole document from the page's first page on.
void drawTeacherSheet(Page& page, const Database& db);
void drawClassSheet(Page& page, const Database& db);
void drawRoomSheet(Page& page, const Database& db);

} // namespace zs::print
