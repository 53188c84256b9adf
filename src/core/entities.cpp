#include "entities.h"

#include "text.h"

#include <algorithm>

namespace zs {

void Database::clearTables() {
    lessonGroups.clear();
    lessons.clear();
    classes.clear();
    rooms.clear();
    teachers.clear();
    dutyPlaces.clear();
    classLessons.clear();
    commonGroups.clear();
    teacherDuties.clear();
    teacherLessons.clear();
    teacherTimetables.clear();
    classTimetables.clear();
    roomTimetables.clear();
}

void Database::reindexAll() {
    lessonGroups.reindex();
    lessons.reindex();
    classes.reindex();
    rooms.reindex();
    teachers.reindex();
    dutyPlaces.reindex();
    classLessons.reindex();
    commonGroups.reindex();
    teacherTimetables.reindex();
    classTimetables.reindex();
    roomTimetables.reindex();
}

bool addLessonGroup(Database& db, Id id, std::string_view name) {
    return db.lessonGroups.append({id, cut(name, 20)});
}

bool addLesson(Database& db, Id id, Id groupId, u8 weeklyHours, const Pattern& pattern,
               std::string_view shortName, std::string_view name, u8 divisible) {
    Lesson l;
    l.id = id;
    l.name = cut(name, 30);
    l.shortName = cut(shortName, 4);
    l.groupId = groupId;
    l.weeklyHours = weeklyHours;
    l.divisible = divisible;
    l.pattern = pattern;
    l.blockCount = static_cast<u8>(patternBlockCount(pattern));
    return db.lessons.append(std::move(l));
}

bool addSchoolClass(Database& db, Id id, std::string_view name, std::string_view section) {
    return db.classes.append(
        {static_cast<u8>(db.classes.count() + 1), id, cut(name, 6), cut(section, 6)});
}

bool addRoom(Database& db, Id id, std::string_view name) {
    return db.rooms.append({static_cast<u8>(db.rooms.count() + 1), id, cut(name, 12)});
}

bool addTeacher(Database& db, Id id, std::string_view name, std::string_view branch,
                std::string_view homeroomClass, std::string_view club) {
    return db.teachers.append({static_cast<u8>(db.teachers.count() + 1), id, cut(name, 30),
                               cut(branch, 12), cut(homeroomClass, 8), cut(club, 12)});
}

bool addDutyPlace(Database& db, Id id, std::string_view name) {
    return db.dutyPlaces.append(
        {static_cast<u8>(db.dutyPlaces.count() + 1), id, cut(name, 25), {}});
}

namespace {

// Inserts the record just appended at the end among the records that `same` selects:
// each such record with a greater key is exchanged with the carried one.
template <class R, class Same, class Key>
void walkIntoPlace(std::vector<R>& rows, Same same, Key key) {
    if (rows.empty()) return;
    const std::size_t last = rows.size() - 1;
    std::string carried = key(rows[last]);
    for (std::size_t i = 0; i < last; ++i) {
        if (!same(rows[i])) continue;
        std::string k = key(rows[i]);
        if (k > carried) {
            std::swap(rows[i], rows[last]);
            carried = std::move(k);
        }
    }
}

std::string lessonNameKey(const Database& db, Id lessonId) {
    const Lesson* l = db.lessons.find(lessonId);
    return l ? sortKey(l->name) : std::string();
}

} // namespace

bool addClassLesson(Database& db, Id classId, Id lessonId) {
    const Lesson* lesson = db.lessons.find(lessonId);
    if (!lesson || !db.classes.contains(classId) || db.classLessons.contains(classId, lessonId))
        return false;
    if (db.classLessons.count() >= kMaxRecords * kMaxRecords) return false;
    ClassLesson cl;
    cl.classId = classId;
    cl.lessonId = lessonId;
    cl.divisible = lesson->divisible;
    cl.blockCount = lesson->blockCount;
    cl.pattern = lesson->pattern;
    db.classLessons.rows.push_back(cl);
    walkIntoPlace(
        db.classLessons.rows, [&](const ClassLesson& r) { return r.classId == classId; },
        [&](const ClassLesson& r) { return lessonNameKey(db, r.lessonId); });
    db.classLessons.reindex();
    return true;
}

bool addCommonGroup(Database& db, Id id) {
    return db.commonGroups.append({id, 0, {}, {}});
}

bool addCommonGroupMember(Database& db, Id groupId, Id classId, Id lessonId) {
    CommonGroup* g = db.commonGroups.find(groupId);
    ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!g || !cl || g->memberCount >= kMaxGroupMembers) return false;
    g->memberClass[g->memberCount] = classId;
    g->memberLesson[g->memberCount] = lessonId;
    ++g->memberCount;
    cl->commonGroupId = groupId;
    return true;
}

bool addTeacherDuty(Database& db, Id dutyPlaceId, u8 day, Id teacherId) {
    DutyPlace* p = db.dutyPlaces.find(dutyPlaceId);
    if (!p || day < 1 || day > kDutyDays || teacherId == 0) return false;
    db.teacherDuties.push_back({dutyPlaceId, day, teacherId});
    ++p->dutyCount[day - 1];
    return true;
}

bool addTeacherToClassLesson(Database& db, Id teacherId, Id classId, Id lessonId) {
    ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || teacherId == 0 || cl->teacherCount >= kMaxTeachersPerClassLesson) return false;
    cl->teachers[cl->teacherCount] = teacherId;
    ++cl->teacherCount;
    return true;
}

std::string teacherLessonKey(const Database& db, const TeacherLesson& r) {
    const Lesson* l = db.lessons.find(r.lessonId);
    const SchoolClass* c = db.classes.find(r.classId);
    return pad3(255 - (l ? l->weeklyHours : 0)) + (l ? l->name : std::string()) +
           pad3(c ? c->order : 0);
}

bool addTeacherLesson(Database& db, Id teacherId, Id classId, Id lessonId) {
    const ClassLesson* cl = db.classLessons.find(classId, lessonId);
    if (!cl || !db.teachers.contains(teacherId) || cl->teacherCount >= kMaxTeachersPerClassLesson)
        return false;
    db.teacherLessons.push_back({teacherId, classId, lessonId});
    walkIntoPlace(
        db.teacherLessons, [&](const TeacherLesson& r) { return r.teacherId == teacherId; },
        [&](const TeacherLesson& r) { return teacherLessonKey(db, r); });
    return addTeacherToClassLesson(db, teacherId, classId, lessonId);
}

bool addTeacherTimetable(Database& db, Id teacherId) {
    TeacherTimetable t;
    t.teacherId = teacherId;
    return db.teacherTimetables.append(std::move(t));
}

bool addClassTimetable(Database& db, Id classId) {
    ClassTimetable t;
    t.classId = classId;
    return db.classTimetables.append(std::move(t));
}

bool addRoomTimetable(Database& db, Id roomId) {
    RoomTimetable t;
    t.roomId = roomId;
    return db.roomTimetables.append(std::move(t));
}

const TeacherLesson* findTeacherLesson(const Database& db, Id teacherId, Id classId, Id lessonId) {
    for (const auto& r : db.teacherLessons)
        if (r.teacherId == teacherId && r.classId == classId && r.lessonId == lessonId) return &r;
    return nullptr;
}

bool classLessonExists(const Database& db, Id classId, Id lessonId) {
    return db.classLessons.contains(classId, lessonId);
}

Id lessonGroupIdByName(const Database& db, std::string_view name) {
    for (const auto& g : db.lessonGroups)
        if (g.name == name) return g.id;
    return 0;
}

const ClassLesson* firstClassLessonOfClass(const Database& db, Id classId) {
    for (const auto& r : db.classLessons)
        if (r.classId == classId) return &r;
    return nullptr;
}

const ClassLesson* firstClassLessonOfLesson(const Database& db, Id lessonId) {
    for (const auto& r : db.classLessons)
        if (r.lessonId == lessonId) return &r;
    return nullptr;
}

// Exchanging only neighbours in strict disorder until none is left gives exactly the
// result of a stable sort, which is what these use.
void sortLessons(Database& db) {
    auto& rows = db.lessons.rows;
    std::vector<std::pair<std::string, Lesson>> keyed;
    keyed.reserve(rows.size());
    for (auto& l : rows) keyed.emplace_back(sortKey(l.name), std::move(l));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = std::move(keyed[i].second);
    db.lessons.reindex();
}

namespace {

template <class T> void sortOrdered(Table<T>& t) {
    std::stable_sort(t.rows.begin(), t.rows.end(),
                     [](const T& a, const T& b) { return a.order < b.order; });
    t.reindex();
}

template <class T> void renumberOrdered(Table<T>& t) {
    for (std::size_t i = 0; i < t.rows.size(); ++i) t.rows[i].order = static_cast<u8>(i + 1);
}

template <class T> bool moveOrdered(Table<T>& t, int position, int direction) {
    const int other = position + direction;
    if (position < 0 || position >= t.count() || other < 0 || other >= t.count()) return false;
    // Damaged data may give two records one place: swapping equal places moves nothing.
    if (t.rows[position].order == t.rows[other].order) renumberOrdered(t);
    std::swap(t.rows[position].order, t.rows[other].order);
    sortOrdered(t);
    return true;
}

} // namespace

void sortByOrder(Table<SchoolClass>& t) {
    sortOrdered(t);
}
void sortByOrder(Table<Room>& t) {
    sortOrdered(t);
}
void sortByOrder(Table<Teacher>& t) {
    sortOrdered(t);
}
void sortByOrder(Table<DutyPlace>& t) {
    sortOrdered(t);
}
void renumber(Table<SchoolClass>& t) {
    renumberOrdered(t);
}
void renumber(Table<Room>& t) {
    renumberOrdered(t);
}
void renumber(Table<Teacher>& t) {
    renumberOrdered(t);
}
void renumber(Table<DutyPlace>& t) {
    renumberOrdered(t);
}
bool moveRecord(Table<SchoolClass>& t, int p, int d) {
    return moveOrdered(t, p, d);
}
bool moveRecord(Table<Room>& t, int p, int d) {
    return moveOrdered(t, p, d);
}
bool moveRecord(Table<Teacher>& t, int p, int d) {
    return moveOrdered(t, p, d);
}
bool moveRecord(Table<DutyPlace>& t, int p, int d) {
    return moveOrdered(t, p, d);
}

} // namespace zs
