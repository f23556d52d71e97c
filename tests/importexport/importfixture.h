#pragma once
// A loaded program folder for the import tests: hand-made files of tests/testdata, and the
// check that imported QSOs come back whole from "qsodata.dat".

#include "core/qsofile.h"
#include "core/qsorecord.h"
#include "platform/fileio.h"
#include "support/logfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tsl::test {

struct ImportTest : ::testing::Test, LoadedLog {
    static std::string testpath(const std::string& name) {
        return std::string(TESSALOG_TESTDATA_DIR) + "/" + name;
    }
    static std::string testdata(const std::string& name) {
        return readwholefile(testpath(name)).value_or("");
    }
    // Writes the bytes into the program folder and makes them the chosen file.
    void choose(const std::string& bytes, const std::string& name = "in.txt") {
        folder.write(name, bytes);
        s->chosenfile = folder.path() + name;
        dialogs.shown.clear();
    }
    std::string programfile(const std::string& name) const {
        return readwholefile(s->apppath + name).value_or("<none>");
    }
    const qsorecord& qso(int32_t k) const { return s->qsos[static_cast<std::size_t>(k)]; }
    // The award slots in use, each "award:entry".
    static std::vector<std::string> slotsof(const qsorecord& q) {
        std::vector<std::string> out;
        for (std::size_t k = 0; k < q.awards.size(); ++k)
            if (q.awards[k] != 0)
                out.push_back(std::to_string(q.awards[k]) + ":" + std::to_string(q.entries[k]));
        return out;
    }
    static std::string slot(int16_t award, int32_t entry) {
        return std::to_string(award) + ":" + std::to_string(entry);
    }
    // Every QSO of the log, written to "qsodata.dat" and read back, reads the same.
    void expectroundtrip() {
        std::vector<std::string> before;
        for (int32_t k = 1; k <= s->qsocount; ++k)
            before.push_back(qsodataline(*s, qso(k)));
        ASSERT_EQ(writeqsofile(*s, status, dialogs), writeresult::written);
        s->qsocount = 0;
        ASSERT_TRUE(readqsofile(*s, status, dialogs));
        ASSERT_EQ(s->qsocount, static_cast<int32_t>(before.size()));
        for (int32_t k = 1; k <= s->qsocount; ++k)
            EXPECT_EQ(qsodataline(*s, qso(k)), before[static_cast<std::size_t>(k - 1)]) << k;
    }
};

} // namespace tsl::test
