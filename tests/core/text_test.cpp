#include "core/cp1254.h"
#include "core/text.h"

#include <gtest/gtest.h>

namespace zs {
namespace {

using cp1254::lit;

TEST(Text, UpperTurkishFollowsTurkishRules) {
    struct Case {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"çiğdem", "ÇİĞDEM"},   {"ı", "I"},         {"i", "İ"},           {"öğüş", "ÖĞÜŞ"},
        {"abc xyz", "ABC XYZ"}, {"9-a/B", "9-A/B"}, {"ÇİĞDEM", "ÇİĞDEM"},
    };
    for (const auto& c : cases) EXPECT_EQ(upperTurkish(lit(c.typed)), lit(c.stored)) << c.typed;
}

TEST(Text, SortKeyPlacesTurkishLettersAfterTheirBase) {
    EXPECT_EQ(sortKey("C"), "134");
    EXPECT_EQ(sortKey(lit("Ç")), "135");
    EXPECT_EQ(sortKey(lit("İ")), "147");
    EXPECT_EQ(sortKey("0"), "96");
    EXPECT_EQ(sortKey(" "), "64");
    EXPECT_EQ(sortKey("A"), "130");
    // Compared as text: digits 2..9 sort before letters, while 0, 1 and the blank after them.
    EXPECT_LT(sortKey("2"), sortKey("A"));
    EXPECT_LT(sortKey("9"), sortKey("A"));
    EXPECT_GT(sortKey("0"), sortKey("A"));
    EXPECT_GT(sortKey("1"), sortKey("Z"));
    EXPECT_GT(sortKey(" "), sortKey("Z"));
    EXPECT_LT(sortKey("CEBİR"), sortKey(lit("ÇİZİM")));
    EXPECT_LT(sortKey(lit("ÇİZİM")), sortKey(lit("DİN")));
}

TEST(Text, NumbersPatternsAndDays) {
    EXPECT_EQ(pad3(7), "007");
    EXPECT_EQ(pad3(42), "042");
    EXPECT_EQ(pad3(120), "120");
    EXPECT_EQ(pad3(255), "255");
    EXPECT_EQ(patternText({2, 2, 1, 0, 0}), "2+2+1");
    EXPECT_EQ(patternText({0, 0, 0, 0, 0}), "");
    EXPECT_EQ(patternBlockCount({3, 2, 0, 0, 0}), 2);
    EXPECT_EQ(dayName(1), lit("PAZARTESİ"));
    EXPECT_EQ(dayName(7), lit("PAZAR"));
    EXPECT_EQ(dayShortName(3), lit("ÇAR."));
    EXPECT_EQ(dayPrintName(2), lit("SAL."));
    EXPECT_EQ(dayName(0), "");
    EXPECT_EQ(dayName(8), "");
    EXPECT_EQ(yesNoText(1), "E");
    EXPECT_EQ(yesNoText(0), "H");
    EXPECT_EQ(yesNoValue("H"), 0);
    EXPECT_EQ(yesNoValue("X"), 1);
}

TEST(Cp1254, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const auto back = cp1254::fromUtf8(cp1254::toUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1254, TurkishLettersHaveTheirCodes) {
    EXPECT_EQ(lit("Ğ"), "\xD0");
    EXPECT_EQ(lit("İ"), "\xDD");
    EXPECT_EQ(lit("Ş"), "\xDE");
    EXPECT_EQ(lit("ğ"), "\xF0");
    EXPECT_EQ(lit("ı"), "\xFD");
    EXPECT_EQ(lit("ş"), "\xFE");
    EXPECT_EQ(lit("€"), "\x80");
    EXPECT_EQ(cp1254::toUtf8("\xC7\xD6\xDC"), "ÇÖÜ");
}

TEST(Cp1254, TextOutsideTheCodePageIsRefused) {
    EXPECT_FALSE(cp1254::fromUtf8("Ω").has_value());
    EXPECT_FALSE(cp1254::fromUtf8("ā").has_value());
    EXPECT_FALSE(cp1254::fromUtf8("ok😀").has_value());
    EXPECT_FALSE(cp1254::fromUtf8("\xC3").has_value()); // cut sequence
    EXPECT_FALSE(cp1254::fromUtf8("\xFF\xFE").has_value());
}

} // namespace
} // namespace zs
