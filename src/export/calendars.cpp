#include "calendars.h"

#include "export_text.h"
#include "placed_blocks.h"
#include "staged_output.h"

#include "core/display_names.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace zs::exporting {

namespace {

using namespace std::chrono;

std::string fileName(const char* stem, Id id) {
    char name[32];
    std::snprintf(name, sizeof name, "%s-%03d.ics", stem, int{id});
    return name;
}

const std::string& startText(const Database& db, int hour) {
    return db.settings.startTimes[static_cast<std::size_t>(hour - 1)];
}

// The first day on or after `from` that falls on `weekday` (1 Monday .. 7 Sunday).
sys_days firstOn(const year_month_day& from, int weekday) {
    const sys_days start{from};
    const int now = static_cast<int>(std::chrono::weekday{start}.iso_encoding());
    return start + days{(weekday - now + 7) % 7};
}

icaltimetype timeOf(sys_days day, int minutes, bool isDate) {
    const year_month_day ymd{day};
    icaltimetype t = icaltime_null_time();
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.is_date = isDate ? 1 : 0;
    if (!isDate) {
        t.hour = minutes / 60;
        t.minute = minutes % 60;
    }
    return t;
}

icalproperty* zoned(icalproperty* p) {
    icalproperty_add_parameter(p, icalparameter_new_tzid(kSchoolZone));
    return p;
}

// The span ends with the last moment of `until` in the school's zone, written in UTC.
icalproperty* weekly(const CalendarSpan& span, bool allDay) {
    icalrecurrencetype r;
    icalrecurrencetype_clear(&r);
    r.freq = ICAL_WEEKLY_RECURRENCE;
    if (allDay) {
        r.until = timeOf(sys_days{span.until}, 0, true);
    } else {
        const int last = 24 * 60 - 1 - kSchoolZoneOffsetMinutes;
        r.until = timeOf(sys_days{span.until}, last, false);
        r.until.second = 59;
        r.until.zone = icaltimezone_get_utc_timezone();
    }
    return icalproperty_new_rrule(r);
}

icalcomponent* schoolZone() {
    icalcomponent* zone = icalcomponent_new(ICAL_VTIMEZONE_COMPONENT);
    icalcomponent_add_property(zone, icalproperty_new_tzid(kSchoolZone));
    icalcomponent* standard = icalcomponent_new(ICAL_XSTANDARD_COMPONENT);
    icalcomponent_add_property(standard,
                               icalproperty_new_dtstart(timeOf(sys_days{1970y / 1 / 1}, 0, false)));
    icalcomponent_add_property(standard,
                               icalproperty_new_tzoffsetfrom(kSchoolZoneOffsetMinutes * 60));
    icalcomponent_add_property(standard,
                               icalproperty_new_tzoffsetto(kSchoolZoneOffsetMinutes * 60));
    icalcomponent_add_property(standard, icalproperty_new_tzname("+03"));
    icalcomponent_add_component(zone, standard);
    return zone;
}

struct Calendar {
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> root{
        icalcomponent_new(ICAL_VCALENDAR_COMPONENT), icalcomponent_free};
    icaltimetype stamp;

    explicit Calendar(const std::string& name) {
        icalcomponent_add_property(root.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(root.get(),
                                   icalproperty_new_prodid("-//Zamanseri//Ders Programi//TR"));
        icalproperty* title = icalproperty_new_x(name.c_str());
        icalproperty_set_x_name(title, "X-WR-CALNAME");
        icalcomponent_add_property(root.get(), title);
        icalcomponent_add_component(root.get(), schoolZone());
        stamp =
            icaltime_from_timet_with_zone(std::time(nullptr), 0, icaltimezone_get_utc_timezone());
    }

    icalcomponent* event(const std::string& uid, const std::string& summary) {
        icalcomponent* e = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(e, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(e, icalproperty_new_summary(summary.c_str()));
        icalcomponent_add_component(root.get(), e);
        return e;
    }

    Status write(const std::filesystem::path& path) const {
        char* text = icalcomponent_as_ical_string_r(root.get());
        Status s = writeWhole(path, text ? text : "");
        std::free(text);
        return s;
    }
};

int startMinutes(const Database& db, int hour) {
    return readStartTime(startText(db, hour)).value_or(0);
}

void addBlock(Calendar& cal, const Database& db, const CalendarSpan& span, const PlacedBlock& b,
              const std::string& owner, bool forTeacher) {
    const sys_days first = firstOn(span.from, b.day);
    if (first > sys_days{span.until}) return;
    const std::string cls = utf8(classTitle(db, b.classId));
    const std::string lesson = utf8(lessonName(db, b.lessonId));
    std::vector<std::string> teachers;
    for (const std::string& t : blockTeachers(db, b)) teachers.push_back(utf8(t));
    std::vector<std::string> rooms;
    for (const std::string& r : blockRooms(db, b)) rooms.push_back(utf8(r));
    const std::string uid = owner + "-" + std::to_string(b.classId) + "-" +
                            std::to_string(b.lessonId) + "-" + std::to_string(b.day) + "-" +
                            std::to_string(b.firstHour) + "@zamanseri";
    icalcomponent* e = cal.event(uid, forTeacher ? cls + " " + lesson : lesson);
    const int start = startMinutes(db, b.firstHour);
    const int end = startMinutes(db, b.firstHour + b.hours - 1) + span.minutes;
    icalcomponent_add_property(e, zoned(icalproperty_new_dtstart(timeOf(first, start, false))));
    icalcomponent_add_property(e, zoned(icalproperty_new_dtend(timeOf(first, end, false))));
    icalcomponent_add_property(e, weekly(span, false));
    std::string about = "Sınıf: " + cls + "\nDers: " + lesson;
    if (!teachers.empty()) about += "\nÖğretmen: " + joined(teachers, ", ");
    if (!rooms.empty()) {
        about += "\nDerslik: " + joined(rooms, ", ");
        icalcomponent_add_property(e, icalproperty_new_location(joined(rooms, ", ").c_str()));
    }
    icalcomponent_add_property(e, icalproperty_new_description(about.c_str()));
}

void addDuties(Calendar& cal, const Database& db, const CalendarSpan& span, Id teacherId) {
    for (const TeacherDuty& d : db.teacherDuties) {
        if (d.teacherId != teacherId || d.day < 1 || d.day > kDutyDays) continue;
        const DutyPlace* place = db.dutyPlaces.find(d.dutyPlaceId);
        if (!place) continue;
        const sys_days first = firstOn(span.from, d.day);
        if (first > sys_days{span.until}) continue;
        icalcomponent* e =
            cal.event("t" + std::to_string(teacherId) + "-duty-" + std::to_string(d.dutyPlaceId) +
                          "-" + std::to_string(d.day) + "@zamanseri",
                      "Nöbet: " + utf8(place->name));
        icalcomponent_add_property(e, icalproperty_new_dtstart(timeOf(first, 0, true)));
        icalcomponent_add_property(e, icalproperty_new_dtend(timeOf(first + days{1}, 0, true)));
        icalcomponent_add_property(e, weekly(span, true));
    }
}

} // namespace

std::optional<int> readStartTime(const std::string& text) {
    int h = 0, m = 0;
    char sep = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &h, &sep, &m, &rest) != 3) return std::nullopt;
    if ((sep != ':' && sep != '.') || h < 0 || h > 23 || m < 0 || m > 59) return std::nullopt;
    return h * 60 + m;
}

int unreadableStartHour(const Database& db) {
    for (const SchoolClass& c : db.classes)
        for (const PlacedBlock& b : classBlocks(db, c.id))
            for (int hour : {b.firstHour, b.firstHour + b.hours - 1})
                if (!readStartTime(startText(db, hour))) return hour;
    return 0;
}

std::string teacherCalendarName(Id id) {
    return fileName("ogretmen", id);
}
std::string classCalendarName(Id id) {
    return fileName("sinif", id);
}
int calendarCount(const Database& db) {
    return db.teachers.count() + db.classes.count();
}

Status writeCalendars(const Database& db, const CalendarSpan& span,
                      const std::filesystem::path& folder, const std::function<void()>& step) {
    for (const Teacher& t : db.teachers) {
        Calendar cal(utf8(t.name));
        const std::string owner = "t" + std::to_string(t.id);
        for (const PlacedBlock& b : teacherBlocks(db, t.id))
            addBlock(cal, db, span, b, owner, true);
        addDuties(cal, db, span, t.id);
        if (auto s = cal.write(folder / teacherCalendarName(t.id)); !s) return s;
        step();
    }
    for (const SchoolClass& c : db.classes) {
        Calendar cal(utf8(classTitle(db, c.id)));
        const std::string owner = "c" + std::to_string(c.id);
        for (const PlacedBlock& b : classBlocks(db, c.id)) addBlock(cal, db, span, b, owner, false);
        if (auto s = cal.write(folder / classCalendarName(c.id)); !s) return s;
        step();
    }
    return success();
}

} // namespace zs::exporting
