#include <gtest/gtest.h>

#include "calendar/nanakshahi_date.h"

namespace tarnvel {
namespace {

// Gregorian y, m, d and the Nanakshahi day, month and year it is: the first day of every month
// of Sammat 558, then the year's turn and Phagan in leap (2000, 2028) and common (1900, 2100) years.
// (The way back, gregorian_of, is the sweep's for every day.)
const int kKnown[][6] = {
    {2026, 3, 14, 1, 1, 558},   {2026, 4, 14, 1, 2, 558},   {2026, 5, 15, 1, 3, 558},   {2026, 6, 15, 1, 4, 558},
    {2026, 7, 16, 1, 5, 558},   {2026, 8, 16, 1, 6, 558},   {2026, 9, 15, 1, 7, 558},   {2026, 10, 15, 1, 8, 558},
    {2026, 11, 14, 1, 9, 558},  {2026, 12, 14, 1, 10, 558}, {2027, 1, 13, 1, 11, 558},  {2027, 2, 12, 1, 12, 558},
    {2026, 3, 13, 30, 12, 557}, {2027, 1, 1, 19, 10, 558},  {2027, 3, 1, 18, 12, 558},  {2027, 3, 13, 30, 12, 558},
    {2028, 2, 29, 18, 12, 559}, {2028, 3, 1, 19, 12, 559},  {2028, 3, 13, 31, 12, 559}, {2028, 3, 14, 1, 1, 560},
    {2000, 3, 13, 31, 12, 531}, {1900, 3, 13, 30, 12, 431}, {2100, 3, 13, 30, 12, 631}, {1469, 3, 14, 1, 1, 1},
};

TEST(Conversion, KnownDates) {
    for (const auto& k : kKnown)
        EXPECT_EQ(nanakshahi_fields(k[0], k[1], k[2]), (NanakshahiFields{k[3], k[4], k[5]}))
            << k[0] << '-' << k[1] << '-' << k[2];
}

// All ten fields are written, also into a record that held a longer date before.
TEST(Conversion, TheRecordBothWindowsRead) {
    DateRecord r = convert_date(9999, 12, 31);
    convert_date(2027, 3, 14, r);
    EXPECT_EQ(r, (DateRecord{"14", "03", "2027", 1, 1, 559, "Chet", "cyq", "1 Chet, Sammat 559 Nanakshahi",
                             "1 cyq, sMmq 559 nwnkSwhI"}));
    const DateRecord m = convert_date(2026, 12, 5);
    EXPECT_EQ(m.GregorianDay, "05");
    EXPECT_EQ(m.NanakshahiDate_English, "22 Maghar, Sammat 558 Nanakshahi");
    EXPECT_EQ(m.NanakshahiDate_Gurmukhi, "22 m`Gr, sMmq 558 nwnkSwhI");
    EXPECT_EQ(convert_date(987, 1, 5).GregorianYear, "0987");
}

TEST(Conversion, CalculateReadsTheClockOnceAndReplacesTheRecord) {
    int calls = 0;
    Calculate_NanakshahiDate([&] { return ++calls, CivilDate{2026, 3, 14}; });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ModuleNanakshahiDate, convert_date(2026, 3, 14));
}

TEST(Civil, ValidDatesAndTheLastDay) {
    for (const CivilDate d : {CivilDate{2026, 2, 29}, {1900, 2, 29}, {2026, 4, 31}, {2026, 13, 1}, {0, 1, 1}})
        EXPECT_FALSE(is_valid(d)) << d.year << '-' << d.month << '-' << d.day;
    EXPECT_TRUE(is_valid({2000, 2, 29}));
    EXPECT_EQ(next_day({9999, 12, 31}), (CivilDate{10000, 1, 1}));
    EXPECT_EQ(weekday({1970, 1, 1}), 4);  // Thursday; the sweep carries it to every day
}

}  // namespace
}  // namespace tarnvel
