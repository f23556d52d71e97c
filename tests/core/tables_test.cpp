#include "core/state.h"
#include "core/tables.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;

TEST(FixedTables, IndexConstantsAgreeWithTheTablesTheyName) {
    auto s = std::make_unique<AppState>();
    setstartvalues(*s, "/tmp/", 1000);
    loadtables(*s);
    const auto mode = [&](int16_t i) { return s->modetable[static_cast<std::size_t>(i)]; };
    EXPECT_EQ(mode(s->cwmodeindex).name, "CW  ");
    EXPECT_EQ(mode(s->ssbmodeindex).name, "SSB ");
    EXPECT_EQ(mode(s->fmmodeindex).name, "FM  ");
    EXPECT_EQ(mode(s->rttymodeindex).name, "RTTY");
    EXPECT_EQ(mode(s->pskmodeindex).shortname, "PSK31");
    EXPECT_EQ(s->proptable[static_cast<std::size_t>(s->defaultprop)].name, "Terrestrial");
    // Names are shown and stored at fixed widths.
    for (int i = 1; i <= s->modecount; ++i)
        EXPECT_EQ(mode(static_cast<int16_t>(i)).name.size(), 4u);
    for (int i = 0; i <= s->bandcount; ++i)
        EXPECT_EQ(s->bandtable[static_cast<std::size_t>(i)].longname.size(), 8u) << i;
    // From the limit on, bands are told by their edges, not by a wavelength.
    for (int i = s->metrebandlimit; i <= s->bandcount; ++i)
        EXPECT_EQ(s->bandtable[static_cast<std::size_t>(i)].metres, 0) << i;
    // Every band's edges are in order.
    for (int i = 1; i <= s->bandcount; ++i)
        EXPECT_LE(s->bandtable[static_cast<std::size_t>(i)].lower,
                  s->bandtable[static_cast<std::size_t>(i)].upper)
            << i;
}
