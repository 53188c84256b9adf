// The teacher, class and lesson handed between the teacher screen and the class screen.
#pragma once

#include "core/ids.h"

namespace zs::ui {

struct ClassHandOver {
    Id teacherId = 0;
    Id classId = 0;
    Id lessonId = 0;
};

} // namespace zs::ui
