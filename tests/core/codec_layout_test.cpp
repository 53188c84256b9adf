// Byte layouts: every codec covers its record exactly, and a hand-built record of the
// exact size decodes to the right fields and encodes back to the same bytes.
#include "core/codecs.h"
#include "core/data_files.h"
#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zs {
namespace {

template <class R> void expectContiguous(const RecordCodec<R>& codec, std::size_t size) {
    ASSERT_EQ(codec.size, size);
    std::size_t at = 0;
    for (const auto& f : codec.fields) {
        EXPECT_EQ(f.offset, at) << "gap or overlap before offset " << f.offset;
        at = f.offset + f.size;
    }
    EXPECT_EQ(at, size);
}

TEST(CodecLayout, FieldsCoverEveryRecordWithoutGaps) {
    expectContiguous(lessonGroupCodec(), 22);
    expectContiguous(lessonCodec(), 48);
    expectContiguous(schoolClassCodec(), 16);
    expectContiguous(roomCodec(), 15);
    expectContiguous(teacherCodec(), 68);
    expectContiguous(dutyPlaceCodec(), 35);
    expectContiguous(classLessonCodec(), 42);
    expectContiguous(commonGroupCodec(), 32);
    expectContiguous(teacherDutyCodec(), 3);
    expectContiguous(teacherLessonCodec(), 3);
    expectContiguous(teacherTimetableCodec(), 464);
    expectContiguous(classTimetableCodec(), 344);
    expectContiguous(roomTimetableCodec(), 328);
    expectContiguous(settingsCodec(), 568);
    for (std::size_t i = 0; i < 13; ++i) {
        const auto f = static_cast<DataFile>(i);
        EXPECT_GT(recordSize(f), 0u) << fileName(f);
    }
}

// A buffer whose every byte holds a distinct value, with text fields given a valid length.
Bytes distinct(std::size_t size, std::initializer_list<std::pair<std::size_t, std::size_t>> texts) {
    Bytes b(size);
    std::iota(b.begin(), b.end(), u8{1});
    for (auto [offset, capacity] : texts) b[offset] = static_cast<u8>(capacity);
    return b;
}

template <class R> void expectRoundTrip(const RecordCodec<R>& codec, const Bytes& golden) {
    const R r = codec.decode(golden.data());
    Bytes out(codec.size);
    codec.encode(r, out.data());
    EXPECT_EQ(out, golden);
}

TEST(CodecLayout, LessonFieldsAtTheirOffsets) {
    const Bytes b = distinct(48, {{1, 30}, {32, 4}});
    const Lesson l = lessonCodec().decode(b.data());
    EXPECT_EQ(l.id, 1);
    EXPECT_EQ(l.name.size(), 30u);
    EXPECT_EQ(static_cast<u8>(l.name[0]), 3);
    EXPECT_EQ(l.shortName.size(), 4u);
    EXPECT_EQ(static_cast<u8>(l.shortName[0]), 34);
    EXPECT_EQ(l.groupId, 38);
    EXPECT_EQ(l.weeklyHours, 39);
    EXPECT_EQ(l.divisible, 40);
    EXPECT_EQ(l.notAtHour, 41);
    EXPECT_EQ(l.blockCount, 42);
    EXPECT_EQ(l.notAfterHour, 43);
    EXPECT_EQ(l.pattern, (Pattern{44, 45, 46, 47, 48}));
    expectRoundTrip(lessonCodec(), b);
}

TEST(CodecLayout, EveryRecordRoundTripsByteForByte) {
    expectRoundTrip(lessonGroupCodec(), distinct(22, {{1, 20}}));
    expectRoundTrip(schoolClassCodec(), distinct(16, {{2, 6}, {9, 6}}));
    expectRoundTrip(roomCodec(), distinct(15, {{2, 12}}));
    expectRoundTrip(teacherCodec(), distinct(68, {{2, 30}, {33, 12}, {46, 8}, {55, 12}}));
    expectRoundTrip(dutyPlaceCodec(), distinct(35, {{2, 25}}));
    expectRoundTrip(classLessonCodec(), distinct(42, {}));
    expectRoundTrip(commonGroupCodec(), distinct(32, {}));
    expectRoundTrip(teacherDutyCodec(), distinct(3, {}));
    expectRoundTrip(teacherLessonCodec(), distinct(3, {}));
    // The link word of a timetable record is not kept: it is written as zero.
    for (auto [codecSize, link] : {std::pair{464u, 460u}, {344u, 340u}, {328u, 324u}}) {
        Bytes b = distinct(codecSize, {});
        Bytes expected = b;
        std::fill(expected.begin() + link, expected.end(), 0);
        Bytes out(codecSize);
        if (codecSize == 464)
            teacherTimetableCodec().encode(teacherTimetableCodec().decode(b.data()), out.data());
        if (codecSize == 344)
            classTimetableCodec().encode(classTimetableCodec().decode(b.data()), out.data());
        if (codecSize == 328)
            roomTimetableCodec().encode(roomTimetableCodec().decode(b.data()), out.data());
        EXPECT_EQ(out, expected) << codecSize;
    }
}

TEST(CodecLayout, TimetableFieldsAtTheirOffsets) {
    Bytes t = distinct(464, {});
    const TeacherTimetable tt = teacherTimetableCodec().decode(t.data());
    EXPECT_EQ(tt.teacherId, 1);
    EXPECT_EQ(tt.totalHours, 5);
    EXPECT_EQ(tt.effectiveRules[0], 22);
    EXPECT_EQ(tt.teacherRules[0], 32);
    EXPECT_EQ(tt.placedHours, 51);
    EXPECT_EQ(tt.placedOnDay[0], 53);
    EXPECT_EQ(tt.planes[kOpenPlane][0], 58);
    EXPECT_EQ(tt.planes[kOccupantPlane][0], static_cast<u8>(138));
    EXPECT_EQ(tt.planes[4][79], static_cast<u8>(457));

    Bytes c = distinct(344, {});
    const ClassTimetable ct = classTimetableCodec().decode(c.data());
    EXPECT_EQ(ct.weeklyHours, 2);
    EXPECT_EQ(ct.freeOnDay[0], 4);
    EXPECT_EQ(ct.firstHour[0], 9);
    EXPECT_EQ(ct.lastHour[4], 18);
    EXPECT_EQ(ct.planes[kOpenPlane][0], 19);
    EXPECT_EQ(ct.planes[kBlockStartPlane][79], static_cast<u8>(338));

    Bytes r = distinct(328, {});
    const RoomTimetable rt = roomTimetableCodec().decode(r.data());
    EXPECT_EQ(rt.roomId, 1);
    EXPECT_EQ(rt.planes[kOpenPlane][0], 3);
    EXPECT_EQ(rt.planes[kBlockStartPlane][79], static_cast<u8>(322));
}

TEST(CodecLayout, NewTimetableRecordsHoldTheirDefaults) {
    Database db;
    TeacherTimetable t;
    t.teacherId = 7;
    Bytes out(464);
    teacherTimetableCodec().encode(t, out.data());
    Bytes expected(464, 0);
    expected[0] = 7;
    const u8 rules[8] = {0, 0, 0, 1, 1, 1, 1, 6};
    std::copy(rules, rules + 8, expected.begin() + 21);
    std::copy(rules, rules + 8, expected.begin() + 31);
    std::fill(expected.begin() + 57, expected.begin() + 137, 1);
    EXPECT_EQ(out, expected);

    ClassTimetable c;
    c.classId = 3;
    Bytes cout(344);
    classTimetableCodec().encode(c, cout.data());
    Bytes cexp(344, 0);
    cexp[0] = 3;
    std::fill(cexp.begin() + 3, cexp.begin() + 8, 6);
    std::fill(cexp.begin() + 8, cexp.begin() + 13, 1);
    std::fill(cexp.begin() + 13, cexp.begin() + 18, 6);
    std::fill(cexp.begin() + 18, cexp.begin() + 98, 1);
    EXPECT_EQ(cout, cexp);

    RoomTimetable r;
    r.roomId = 9;
    Bytes rout(328);
    roomTimetableCodec().encode(r, rout.data());
    Bytes rexp(328, 0);
    rexp[0] = 9;
    std::fill(rexp.begin() + 2, rexp.begin() + 82, 1);
    EXPECT_EQ(rout, rexp);
}

TEST(CodecLayout, SettingsDefaultsByteForByte) {
    const Bytes b = encodeSettings(Settings{});
    ASSERT_EQ(b.size(), 568u);
    Bytes e(568, 0);
    const u8 head[18] = {0, 2, 2, 1, 0, 0, 0, 6, 9, 0, 0, 0, 0, 0, 1, 0, 1, 0};
    std::copy(head, head + 18, e.begin());
    std::fill(e.begin() + 20, e.begin() + 29, 1);
    auto i32 = [&](std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) e[at + k] = static_cast<u8>(v >> (8 * k));
    };
    const std::uint32_t ints[16] = {20, 20, 1850, 1683, 1, 0, 1, 9, 20, 20, 3700, 1683, 1, 0, 0, 8};
    for (int k = 0; k < 16; ++k) i32(40 + 4 * k, ints[k]);
    const std::string font = "Courier New";
    e[140] = static_cast<u8>(font.size());
    std::copy(font.begin(), font.end(), e.begin() + 141);
    e[181] = static_cast<u8>(font.size());
    std::copy(font.begin(), font.end(), e.begin() + 182);
    e[323] = 1;
    EXPECT_EQ(b, e);
}

TEST(CodecLayout, SettingsKeepReservedBytesAndReadShortRecords) {
    Bytes b = encodeSettings(Settings{});
    b[30] = 0xAB;  // reserved 29..39
    b[120] = 0xCD; // reserved 104..139
    b[324] = 3;    // reserved string
    b[325] = 'X';
    b[560] = 0xEF; // reserved 548..567
    b[8] = 42;
    EXPECT_EQ(encodeSettings(decodeSettings(b)), b);

    // A short record keeps the defaults for what it lacks.
    Bytes shortRecord(b.begin(), b.begin() + 50);
    const Settings s = decodeSettings(shortRecord);
    EXPECT_EQ(s.searchLevel, 42);
    EXPECT_EQ(s.printTopMargin, 20);
    EXPECT_EQ(s.printPageLength, 1850); // offset 48..51 lies past the 50 bytes
    EXPECT_EQ(s.sheetFontSize, 8);
    EXPECT_EQ(s.dutyWeekdaysOnly, 1);
}

TEST(CodecLayout, TextLengthBeyondCapacityReadsAsCapacity) {
    Bytes b(22, 'A');
    b[0] = 7;
    b[1] = 255;
    const LessonGroup g = lessonGroupCodec().decode(b.data());
    EXPECT_EQ(g.name.size(), 20u);
    Bytes out(22);
    lessonGroupCodec().encode(g, out.data());
    EXPECT_EQ(out[1], 20);
}

} // namespace
} // namespace zs
