#pragma once
// Imported QSOs written to "qsodata.dat" and read back must come back field for field.

#include "core/qsofile.h"
#include "support/logfixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tsl::test {

inline void expectroundtrip(LoadedLog& log) {
    AppState& s = *log.s;
    const std::vector<qsorecord> before(s.qsos.begin() + 1, s.qsos.begin() + 1 + s.qsocount);
    ASSERT_EQ(writeqsofile(s, log.status, log.dialogs), writeresult::written);
    s.qsocount = 0;
    ASSERT_TRUE(readqsofile(s, log.status, log.dialogs));
    ASSERT_EQ(static_cast<std::size_t>(s.qsocount), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        const qsorecord &a = before[i], &b = s.qsos[i + 1];
        SCOPED_TRACE(a.call.str());
        EXPECT_EQ(a.deleted, b.deleted);
        EXPECT_EQ(a.date, b.date);
        EXPECT_EQ(a.time, b.time);
        EXPECT_EQ(a.band, b.band);
        EXPECT_EQ(a.mode, b.mode);
        EXPECT_EQ(a.prop, b.prop);
        EXPECT_EQ(a.power, b.power);
        EXPECT_EQ(a.rsts, b.rsts);
        EXPECT_EQ(a.rstr, b.rstr);
        EXPECT_EQ(a.qslvia, b.qslvia);
        EXPECT_EQ(a.qsls, b.qsls);
        EXPECT_EQ(a.qslr, b.qslr);
        EXPECT_EQ(a.call, b.call);
        EXPECT_EQ(a.ituz, b.ituz);
        EXPECT_EQ(a.cqz, b.cqz);
        EXPECT_EQ(a.grid, b.grid);
        EXPECT_EQ(a.continent, b.continent);
        EXPECT_EQ(a.dxcc, b.dxcc);
        EXPECT_EQ(a.comments, b.comments);
        EXPECT_EQ(a.gender, b.gender);
        EXPECT_EQ(a.qth, b.qth);
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_EQ(a.awards[k], b.awards[k]) << k;
            EXPECT_EQ(a.entries[k], b.entries[k]) << k;
        }
        EXPECT_EQ(a.wab, b.wab);
    }
}

} // namespace tsl::test
