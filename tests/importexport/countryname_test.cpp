#include "importexport/countryname.h"

#include "importfixture.h"

using namespace tsl;
using namespace tsl::test;

using CountryName = ImportTest;

TEST_F(CountryName, AWholeNameComesBeforeTheShortenedComparison) {
    CountryNames names(*s);
    EXPECT_EQ(names.find("Niger"), entity("Niger"));
    EXPECT_EQ(names.find(" dominica "), entity("Dominica"));
    EXPECT_EQ(names.find("Nigeri"), entity("Nigeria"));
    EXPECT_EQ(names.find("United States"), entity("United States of America"));
    EXPECT_EQ(names.find("UNITED STATES OF NOWHERE"), entity("United States of America"));
    EXPECT_EQ(names.find("Germ"), entity("Germany"));
    EXPECT_EQ(names.find(""), 0);
    EXPECT_EQ(names.find("   "), 0);
    EXPECT_EQ(names.find("Atlantis"), 0);
    EXPECT_EQ(names.find("Abu Ail Is."), 0);         // deleted
    EXPECT_EQ(names.find("Niger"), entity("Niger")); // the kept answer is the same
}

TEST_F(CountryName, AnEntityOfSeveralZonesGetsQuestionMarks) {
    qsorecord q;
    putentity(*s, static_cast<int16_t>(entity("Canada")), q);
    EXPECT_EQ(q.dxcc, entity("Canada"));
    EXPECT_EQ(q.cqz, "??");
    EXPECT_EQ(q.ituz, "??");
    EXPECT_EQ(q.continent, 5);
    putentity(*s, static_cast<int16_t>(entity("Germany")), q);
    EXPECT_EQ(q.cqz, "14");
    EXPECT_EQ(q.continent, 4);
}
