// The rows of the lists the curriculum screens share: classes, lessons, class lessons.
#pragma once

#include "core/database.h"
#include "editors/list_rows.h"

namespace zs::ui {

// "NO" (hidden), "SINIF", "BÖLÜM", in class order.
editors::ListRows classRows(const Database& db);
// "NO" (hidden), "DERSİN ADI", "HDS", in lesson order.
editors::ListRows lessonRows(const Database& db);

// The class's lessons: "ClassNo", "LessonNo" (hidden), "DERSİN ADI", "HDS", and with
// `withRoom` "DERSLİK", the first of its rooms. A row's id is the lesson.
editors::ListRows classLessonRows(const Database& db, Id classId, bool withRoom);

// The row of the record `id`, -1 when none holds it.
int rowOf(const editors::ListRows& rows, Id id);

} // namespace zs::ui
