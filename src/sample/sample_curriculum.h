// The lessons, branches and grade curricula of the sample school.
#pragma once

#include "core/ids.h"

#include <array>
#include <span>

namespace zs::sched::sample {

enum Branch : int {
    kLiterature,
    kMaths,
    kPhysics,
    kChemistry,
    kBiology,
    kHistory,
    kGeography,
    kPhilosophy,
    kReligion,
    kEnglish,
    kGerman,
    kSport,
    kArt,
    kMusic,
    kElectrics,
    kBranchCount
};

enum Group : int { kNoGroup, kScience, kSocial, kArts };

struct LessonDef {
    const char* name; // UTF-8
    const char* shortName;
    u8 weeklyHours;
    Pattern pattern;
    Group group;
    u8 divisible;
    Branch branch;
};

// Lesson i (0-based) gets identifier i + 1.
std::span<const LessonDef> lessons();
const char* groupName(Group g);
const char* branchName(Branch b);
// The merge order of small branches: a branch of too few hours joins the next one.
std::span<const std::span<const Branch>> branchFamilies();

inline constexpr Id kGuidanceLesson = 16;
inline constexpr Id kGermanLesson = 10;
inline constexpr Id kSportLesson = 11;
inline constexpr Id kMusicLesson = 13;
inline constexpr Id kPsychology = 21;
inline constexpr Id kElectivePhysics = 17;
inline constexpr Id kElectiveChemistry = 18;
inline constexpr Id kWorkshop = 22;

// The lessons of a class of grade 9..12, or of the annex's vocational class.
std::span<const Id> curriculum(int grade, bool vocational);

} // namespace zs::sched::sample
