#include "core/fieldchecks.h"

#include <gtest/gtest.h>

using namespace tsl;

TEST(DateCheck, NormalisesOneDigitFieldsAndTwoDigitYears) {
    EXPECT_EQ(checkeddate("1/2/04", false, 2026), "01/02/2004");
    EXPECT_EQ(checkeddate("12.5.1999", false, 2026), "12.05.1999");
    EXPECT_EQ(checkeddate("12/25/99", false, 2026), "12/25/1999");
    EXPECT_EQ(checkeddate("12/25/09", false, 2026), "12/25/2009");
    EXPECT_EQ(checkeddate("12/25/24", false, 2026), "12/25/2024");
    EXPECT_EQ(checkeddate("12/25/26", false, 2026), "12/25/2026");
    EXPECT_EQ(checkeddate("12/25/27", false, 2026), "12/25/1927");
    EXPECT_EQ(checkeddate(" 25/12/2004 ", true, 2026), "25/12/2004");
}

TEST(DateCheck, RefusesWhatIsNotAWholeCalendarDate) {
    for (const char* bad : {"122504", "/12/04", "12//04", "12/25/200", "12/25/", "12/25/2",
                            "13/45/2004", "02/30/2004", "ab/cd/efgh", "", "1/2", "12/25/2004x"})
        EXPECT_FALSE(checkeddate(bad, false, 2026)) << bad;
    EXPECT_FALSE(checkeddate("12/25/2004", true, 2026)); // month 25 in the day-first order
    EXPECT_TRUE(checkeddate("02/29/2004", false, 2026));
    EXPECT_FALSE(checkeddate("02/29/2005", false, 2026));
}

TEST(DateCheck, StoredDateTakesTheFieldsByOrder) {
    EXPECT_EQ(storeddatetext("12/25/2004", false), "20041225");
    EXPECT_EQ(storeddatetext("25/12/2004", true), "20041225");
    EXPECT_EQ(storeddatetext("25.12.2004", true), "20041225");
}

TEST(DateCheck, ADateIsWrittenAgainInTheOtherOrderAsTheSameDay) {
    EXPECT_EQ(reordereddate("12/07/2026", false, 2026), "07/12/2026");
    EXPECT_EQ(reordereddate("07/12/2026", true, 2026), "12/07/2026");
    EXPECT_EQ(reordereddate(" 7.12.26", true, 2026), "12.07.2026");
    EXPECT_EQ(reordereddate("2/29/04", false, 2026), "29/02/2004");
    // Back again gives the text first written, and both store the same day.
    const std::string there = *reordereddate("12/25/2004", false, 2026);
    EXPECT_EQ(storeddatetext(there, true), storeddatetext("12/25/2004", false));
    EXPECT_EQ(reordereddate(there, true, 2026), "12/25/2004");
    // What is no date in the order it was written in is left as it is.
    for (const char* bad : {"25/12/2004", "", "12/07", "yesterday"})
        EXPECT_FALSE(reordereddate(bad, false, 2026)) << bad;
}

TEST(TimeCheck, NormalisesToHoursAndMinutes) {
    EXPECT_EQ(checkedtime("930"), "09:30");
    EXPECT_EQ(checkedtime("5"), "00:05");
    EXPECT_EQ(checkedtime("1234"), "12:34");
    EXPECT_EQ(checkedtime(""), "00:00");
    EXPECT_EQ(checkedtime("9:30"), "09:30");
    EXPECT_EQ(checkedtime("23:59"), "23:59");
    for (const char* bad : {"12:3", "123456", "2400", "12:60", "ab:cd", "1a30", ":30", "12345"})
        EXPECT_FALSE(checkedtime(bad)) << bad;
}

TEST(GridSquareCheck, CasesByLength) {
    EXPECT_EQ(checkedgridsquare("fn20XA"), "FN20xa");
    EXPECT_EQ(checkedgridsquare("fn20"), "FN20");
    EXPECT_FALSE(checkedgridsquare("FN2"));
    EXPECT_FALSE(checkedgridsquare(""));
    EXPECT_FALSE(checkedgridsquare("FN20XAB"));
}
