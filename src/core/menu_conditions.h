// What the main menu does when one of its twelve buttons is pressed: open the screen,
// do nothing, or show a notice, depending on what the tables hold.
#pragma once

#include "database.h"

#include <array>
#include <string>

namespace zs {

// In the order the buttons stand in the menu.
enum class MenuButton {
    Lessons,
    ClassesRooms,
    Teachers,
    DailyLessonCounts,
    ClassLessons,
    TeacherDistribution,
    TeacherTimetable,
    ClassTimetable,
    NewTimetable,
    Backup,
    Help,
    Exit,
};

inline constexpr std::array<MenuButton, 12> kMenuButtons = {MenuButton::Lessons,
                                                            MenuButton::ClassesRooms,
                                                            MenuButton::Teachers,
                                                            MenuButton::DailyLessonCounts,
                                                            MenuButton::ClassLessons,
                                                            MenuButton::TeacherDistribution,
                                                            MenuButton::TeacherTimetable,
                                                            MenuButton::ClassTimetable,
                                                            MenuButton::NewTimetable,
                                                            MenuButton::Backup,
                                                            MenuButton::Help,
                                                            MenuButton::Exit};

enum class MenuVerdict { Open, Refuse, Notice };

struct MenuAnswer {
    MenuVerdict verdict = MenuVerdict::Open;
    std::string notice; // Windows-1254, only for Notice
};

// Refuse means the button does nothing at all.
MenuAnswer menuCondition(const Database& db, MenuButton button);

// The notices, as Windows-1254 bytes.
const std::string& noClassNotice();
const std::string& noLessonNoClassNotice();
// ÖĞRETMEN DERS DAĞITIMI: what is still missing of teachers and lessons given to classes.
std::string distributionNotice(bool teachers, bool classLessons);
// The timetable screens before any lesson has been given to a teacher.
const std::string& noTeacherLessonNotice();

} // namespace zs
