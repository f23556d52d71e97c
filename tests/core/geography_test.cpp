#include "core/geography.h"
#include "core/state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace tsl;

TEST(DistanceBearing, CardinalDirections) {
    EXPECT_EQ(distancebearing(10, 20, 30, 20).degrees, 360); // due north
    EXPECT_EQ(distancebearing(30, 20, 10, 20).degrees, 180);
    EXPECT_EQ(distancebearing(0, 0, 0, 30).degrees, 90);
    EXPECT_EQ(distancebearing(0, 0, 0, -30).degrees, 270);
    const auto same = distancebearing(42.36f, -71.06f, 42.36f, -71.06f);
    EXPECT_EQ(same.miles, 0);
    EXPECT_EQ(same.kilometres, 0);
    EXPECT_EQ(same.degrees, 0);
}

TEST(DistanceBearing, KnownDistanceAndKilometresFromWholeMiles) {
    // Boston to London: about 3270 statute miles, heading about 54 degrees.
    const auto d = distancebearing(42.36f, -71.06f, 51.5f, -0.12f);
    EXPECT_NEAR(d.miles, 3270, 15);
    EXPECT_NEAR(d.degrees, 54, 2);
    EXPECT_EQ(d.kilometres, static_cast<int16_t>(std::nearbyint(d.miles * 1.609344)));
    // One degree of longitude on the equator: 60 nautical miles.
    EXPECT_EQ(distancebearing(0, 0, 0, 1).miles, 69);
    EXPECT_EQ(distancebearing(0, 0, 0, 1).kilometres, 111);
}

TEST(DistanceBearing, PolesAndAntipodesGiveDefinedAnswers) {
    const auto frompole = distancebearing(90, 0, 10, 50);
    EXPECT_EQ(frompole.degrees, 180);
    const auto fromsouthpole = distancebearing(-90, 0, 10, 50);
    EXPECT_EQ(fromsouthpole.degrees, 0);
    const auto antipode = distancebearing(10, 20, -10, -160);
    EXPECT_GE(antipode.degrees, 0);
    EXPECT_LE(antipode.degrees, 360);
    EXPECT_NEAR(antipode.miles, 12430, 20);
    for (float x : {1.0000001f, -1.0000001f, 2.0f, -7.0f})
        EXPECT_FALSE(std::isnan(arccos(x))) << x;
    EXPECT_FLOAT_EQ(arccos(1.5f), 0.0f);
    EXPECT_NEAR(arccos(-1.5f), 3.14159265f, 1e-6);
    EXPECT_NEAR(arccos(0.0f), 1.5707963f, 1e-6);
}

TEST(GridSquare, FromZipCodePosition) {
    auto s = std::make_unique<AppState>();
    makegridsquare(*s, "71.06", "42.36");
    EXPECT_EQ(s->gridsquare.str(), "FN42  ");
    EXPECT_FLOAT_EQ(s->dxlonwest, 71.06f);
    makegridsquare(*s, "7.5", "51.5");
    EXPECT_EQ(s->gridsquare.str().substr(2, 1), "6"); // the whole degrees, not rounded
    makegridsquare(*s, "72", "42");
    EXPECT_EQ(s->gridsquare.str(), "FN42  "); // an edge belongs to the square east of it
    makegridsquare(*s, "122.4", "37.8");
    EXPECT_EQ(s->gridsquare.str(), "CM87  ");
    makegridsquare(*s, "-5", "0");
    EXPECT_EQ(s->gridsquare.str().substr(0, 3), "   ");
    makegridsquare(*s, "20", "10");
    EXPECT_EQ(s->gridsquare.str().substr(0, 2), "IJ"); // the tests are strict
    makegridsquare(*s, "20", "1e30");                  // a hostile reply: no digit, no overflow
    EXPECT_EQ(s->gridsquare.str().substr(1, 3), "R0 ");
    makegridsquare(*s, "7 2.73", "4 1.6"); // blanks inside a number are skipped
    EXPECT_EQ(s->gridsquare.str(), "FN31  ");
    EXPECT_FLOAT_EQ(s->dxlatnorth, 41.6f);
    makegridsquare(*s, "1e39", "-1e39"); // beyond a single-precision number: 0
    EXPECT_EQ(s->dxlonwest, 0);
    EXPECT_EQ(s->dxlatnorth, 0);
}

TEST(GridSquare, ACallBooksLocatorIsKeptOnlyWhenItIsOne) {
    // Kept as sent, without the blanks around it.
    for (const auto& [sent, kept] :
         {std::pair{"FN31pr", "FN31pr"}, std::pair{"fn31PR", "fn31PR"}, std::pair{" FN31 ", "FN31"},
          std::pair{"RR99xx", "RR99xx"}, std::pair{"AA00AA00", "AA00AA00"},
          std::pair{"JO62qm45 ", "JO62qm45"}})
        EXPECT_EQ(maidenheadlocator(sent), kept) << sent;
    // Anything else counts as none.
    for (const char* sent :
         {"", "  ", "FN", "FN3", "FN 32", "FN31p", "FN31pr4", "FN31pr4x", "SN31", "FS31", "FN31py",
          "FN31yp", "1N31", "FNA1", "FN31pr 45", "FN31\xe4r", "FN31pr\t", "AA00AA00AA"})
        EXPECT_EQ(maidenheadlocator(sent), "") << sent;
}
