#include "menu_conditions.h"

#include "cp1254.h"

namespace zs {

const std::string& noClassNotice() {
    static const std::string text =
        cp1254::lit("Programda hiçbir SINIF tanımlanmamış. SINIF tanımlamak için SINIFLAR "
                    "bölümüne giriniz.");
    return text;
}

const std::string& noLessonNoClassNotice() {
    static const std::string text =
        cp1254::lit("Programda hiçbir DERS ve SINIF tanımlanmamış. DERS tanımlamak için DERSLER "
                    "bölümüne, SINIF tanımlamak için SINIFLAR bölümüne giriniz.");
    return text;
}

std::string distributionNotice(bool teachers, bool classLessons) {
    std::string text;
    if (!teachers)
        text += cp1254::lit("Programda hiçbir ÖĞRETMEN tanımlanmamış. ÖĞRETMEN tanımlamak için "
                            "ÖĞRETMENLER bölümüne giriniz.");
    if (!classLessons) {
        if (!text.empty()) text += ' ';
        text += cp1254::lit("Sınıflara hiç ders verilmemiş. Sınıflara ders vermek için SINIFTA "
                            "OKUTULAN DERSLER bölümüne giriniz.");
    }
    return text;
}

const std::string& noTeacherLessonNotice() {
    static const std::string text =
        cp1254::lit("Öğretmenlere hiç ders verilmemiş. Öğretmenlere ders vermek için ÖĞRETMEN "
                    "DERS DAĞITIMI bölümüne giriniz.");
    return text;
}

namespace {

MenuAnswer openIf(bool condition) {
    return {condition ? MenuVerdict::Open : MenuVerdict::Refuse, {}};
}

MenuAnswer notice(const std::string& text) {
    return {MenuVerdict::Notice, text};
}

} // namespace

MenuAnswer menuCondition(const Database& db, MenuButton button) {
    const bool classes = !db.classes.empty();
    const bool lessons = !db.lessons.empty();
    const bool teachers = !db.teachers.empty();
    switch (button) {
    case MenuButton::DailyLessonCounts:
        return classes ? openIf(true) : notice(noClassNotice());
    case MenuButton::ClassLessons:
        // With only one of the two missing the button stays silent.
        if (!classes && !lessons) return notice(noLessonNoClassNotice());
        return openIf(classes && lessons);
    case MenuButton::TeacherDistribution: {
        const bool given = !db.classLessons.empty();
        return teachers && given ? openIf(true) : notice(distributionNotice(teachers, given));
    }
    case MenuButton::TeacherTimetable:
    case MenuButton::ClassTimetable:
        return db.teacherLessons.empty() ? notice(noTeacherLessonNotice()) : openIf(true);
    case MenuButton::NewTimetable:
        return openIf(teachers && classes);
    case MenuButton::Lessons:
    case MenuButton::ClassesRooms:
    case MenuButton::Teachers:
    case MenuButton::Backup:
    case MenuButton::Help:
    case MenuButton::Exit:
        break;
    }
    return openIf(true);
}

} // namespace zs
