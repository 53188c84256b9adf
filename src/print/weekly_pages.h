// The weekly one-page timetables of a teacher, a class and a room.
#pragma once

#include "page_model.h"

#include "core/database.h"

namespace zs::print {

// One teacher's page at the page's offset; the caller starts pages.
void drawTeacherPage(Page& page, const Database& db, Id teacherId);
void drawClassPage(Page& page, const Database& db, Id classId);
void drawRoomPage(Page& page, const Database& db, Id roomId);

} // namespace zs::print
