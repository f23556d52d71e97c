#pragma once
// Imported QSOs written to "qsodata.dat" and read back must come back unchanged.

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
    // The line holds every field; the comments are compared whole, leading blanks included.
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(qsodataline(s, s.qsos[i + 1]), qsodataline(s, before[i]));
        EXPECT_EQ(s.qsos[i + 1].comments, before[i].comments);
    }
}

} // namespace tsl::test
