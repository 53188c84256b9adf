// The passes of a run: the block passes over all teachers, one teacher level by level,
// one class lesson block by block, and one block.
#pragma once

#include "run.h"

namespace zs::sched {

void mainPass(AutoRun& run);
void scheduleTeacher(AutoRun& run, Id teacherId);
void placeLesson(AutoRun& run, Id teacherId, Id classId, Id lessonId);
// Places the next block of the class lesson; false when there was none to place at this
// block pass or it did not fit.
bool placeBlock(AutoRun& run, Id teacherId, Id classId, Id lessonId);

} // namespace zs::sched
