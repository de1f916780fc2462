#include <gtest/gtest.h>

#include "calendar/nanakshahi_date.h"

namespace tarnvel {
namespace {

struct Case {
    CivilDate g;
    int day, month, year;
    const char* english;
};

// Dates whose Nanakshahi day is known, around every month boundary and the new year.
const Case kCases[] = {
    {{2026, 12, 5}, 22, 9, 558, "22 Maghar, Sammat 558 Nanakshahi"},
    {{2026, 3, 13}, 30, 12, 557, "30 Phagan, Sammat 557 Nanakshahi"},
    {{2026, 3, 14}, 1, 1, 558, "1 Chet, Sammat 558 Nanakshahi"},
    {{2026, 12, 31}, 18, 10, 558, "18 Poh, Sammat 558 Nanakshahi"},
    {{2027, 1, 1}, 19, 10, 558, "19 Poh, Sammat 558 Nanakshahi"},
    {{2027, 1, 12}, 30, 10, 558, "30 Poh, Sammat 558 Nanakshahi"},
    {{2027, 1, 13}, 1, 11, 558, "1 Magh, Sammat 558 Nanakshahi"},
    {{2027, 2, 11}, 30, 11, 558, "30 Magh, Sammat 558 Nanakshahi"},
    {{2027, 2, 12}, 1, 12, 558, "1 Phagan, Sammat 558 Nanakshahi"},
    {{2027, 2, 28}, 17, 12, 558, "17 Phagan, Sammat 558 Nanakshahi"},
    {{2027, 3, 1}, 18, 12, 558, "18 Phagan, Sammat 558 Nanakshahi"},
    {{2027, 3, 13}, 30, 12, 558, "30 Phagan, Sammat 558 Nanakshahi"},
    {{2026, 4, 13}, 31, 1, 558, "31 Chet, Sammat 558 Nanakshahi"},
    {{2026, 4, 14}, 1, 2, 558, "1 Vaisakh, Sammat 558 Nanakshahi"},
    {{2026, 5, 14}, 31, 2, 558, "31 Vaisakh, Sammat 558 Nanakshahi"},
    {{2026, 5, 15}, 1, 3, 558, "1 Jeth, Sammat 558 Nanakshahi"},
    {{2026, 6, 14}, 31, 3, 558, "31 Jeth, Sammat 558 Nanakshahi"},
    {{2026, 6, 15}, 1, 4, 558, "1 Harh, Sammat 558 Nanakshahi"},
    {{2026, 7, 15}, 31, 4, 558, "31 Harh, Sammat 558 Nanakshahi"},
    {{2026, 7, 16}, 1, 5, 558, "1 Sawan, Sammat 558 Nanakshahi"},
    {{2026, 8, 15}, 31, 5, 558, "31 Sawan, Sammat 558 Nanakshahi"},
    {{2026, 8, 16}, 1, 6, 558, "1 Bhadon, Sammat 558 Nanakshahi"},
    {{2026, 9, 14}, 30, 6, 558, "30 Bhadon, Sammat 558 Nanakshahi"},
    {{2026, 9, 15}, 1, 7, 558, "1 Asu, Sammat 558 Nanakshahi"},
    {{2026, 10, 14}, 30, 7, 558, "30 Asu, Sammat 558 Nanakshahi"},
    {{2026, 10, 15}, 1, 8, 558, "1 Katik, Sammat 558 Nanakshahi"},
    {{2026, 11, 13}, 30, 8, 558, "30 Katik, Sammat 558 Nanakshahi"},
    {{2026, 11, 14}, 1, 9, 558, "1 Maghar, Sammat 558 Nanakshahi"},
    {{2026, 12, 13}, 30, 9, 558, "30 Maghar, Sammat 558 Nanakshahi"},
    {{2026, 12, 14}, 1, 10, 558, "1 Poh, Sammat 558 Nanakshahi"},
    // Leap years: Phagan runs to 31 days and 1 March no longer repeats 29 February.
    {{2028, 2, 12}, 1, 12, 559, "1 Phagan, Sammat 559 Nanakshahi"},
    {{2028, 2, 29}, 18, 12, 559, "18 Phagan, Sammat 559 Nanakshahi"},
    {{2028, 3, 1}, 19, 12, 559, "19 Phagan, Sammat 559 Nanakshahi"},
    {{2028, 3, 13}, 31, 12, 559, "31 Phagan, Sammat 559 Nanakshahi"},
    {{2028, 3, 14}, 1, 1, 560, "1 Chet, Sammat 560 Nanakshahi"},
    {{2000, 3, 13}, 31, 12, 531, "31 Phagan, Sammat 531 Nanakshahi"},
    {{1900, 3, 1}, 18, 12, 431, "18 Phagan, Sammat 431 Nanakshahi"},
    {{1900, 3, 13}, 30, 12, 431, "30 Phagan, Sammat 431 Nanakshahi"},
    {{2100, 3, 13}, 30, 12, 631, "30 Phagan, Sammat 631 Nanakshahi"},
    {{1469, 3, 14}, 1, 1, 1, "1 Chet, Sammat 1 Nanakshahi"},
};

TEST(Conversion, KnownDates) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.g.year << '-' << c.g.month << '-' << c.g.day);
        const DateRecord r = convert_date(c.g.year, c.g.month, c.g.day);
        EXPECT_EQ(r.NanakshahiDay, c.day);
        EXPECT_EQ(r.NanakshahiMonth, c.month);
        EXPECT_EQ(r.NanakshahiYear, c.year);
        EXPECT_EQ(r.NanakshahiDate_English, c.english);
        EXPECT_EQ(gregorian_of(c.year, c.month, c.day), c.g);
    }
}

TEST(Conversion, WholeRecordOfFifthDecember2026) {
    const DateRecord r = convert_date(2026, 12, 5);
    EXPECT_EQ(r.GregorianDay, "05");
    EXPECT_EQ(r.GregorianMonth, "12");
    EXPECT_EQ(r.GregorianYear, "2026");
    EXPECT_EQ(r.MonthName_English, "Maghar");
    EXPECT_EQ(r.MonthName_Gurmukhi, "m`Gr");
    EXPECT_EQ(r.NanakshahiDate_English, "22 Maghar, Sammat 558 Nanakshahi");
    EXPECT_EQ(r.NanakshahiDate_Gurmukhi, "22 m`Gr, sMmq 558 nwnkSwhI");
}

TEST(Conversion, SingleDigitsKeepTheirZeroOnlyInTheGregorianTexts) {
    const DateRecord r = convert_date(2027, 3, 14);
    EXPECT_EQ(r.GregorianDay, "14");
    EXPECT_EQ(r.GregorianMonth, "03");
    EXPECT_EQ(r.NanakshahiDate_English, "1 Chet, Sammat 559 Nanakshahi");
    EXPECT_EQ(r.NanakshahiDate_Gurmukhi, "1 cyq, sMmq 559 nwnkSwhI");
    EXPECT_EQ(convert_date(2026, 1, 5).GregorianDay, "05");
    EXPECT_EQ(convert_date(987, 1, 5).GregorianYear, "0987");
}

TEST(Conversion, ReusedRecordIsFullyOverwritten) {
    DateRecord r = convert_date(2026, 8, 31);
    convert_date(2027, 3, 14, r);
    EXPECT_EQ(r, convert_date(2027, 3, 14));
}

TEST(Conversion, CalculateReadsTheClockOnceAndReplacesTheRecord) {
    int calls = 0;
    Calculate_NanakshahiDate([&] {
        ++calls;
        return CivilDate{2026, 3, 14};
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ModuleNanakshahiDate.NanakshahiDate_English, "1 Chet, Sammat 558 Nanakshahi");
    Calculate_NanakshahiDate([] { return CivilDate{2026, 12, 5}; });
    EXPECT_EQ(ModuleNanakshahiDate, convert_date(2026, 12, 5));
}

}  // namespace
}  // namespace tarnvel
