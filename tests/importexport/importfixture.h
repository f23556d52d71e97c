#pragma once
// A loaded program folder for the import tests: hand-made files of tests/testdata, and the
// check that imported QSOs come back whole from "qsodata.dat".

#include "core/numbers.h"
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
    // The fields of QSO k in one line, texts without trailing blanks: call, entity,
    // continent, ITU and CQ zones, date, time, band, mode, propagation, power, RST sent and
    // received, cards sent and received, QSL via, grid, WAB, gender, QTH, comments.
    std::string fieldsof(int32_t k) const {
        const qsorecord& q = qso(k);
        std::string line;
        for (const std::string& f :
             {q.call.trimmedright(),       s->dxcctable[static_cast<std::size_t>(q.dxcc)].country,
              std::to_string(q.continent), q.ituz.trimmedright(),
              q.cqz.trimmedright(),        q.date.trimmedright(),
              q.time.trimmedright(),       std::to_string(q.band),
              std::to_string(q.mode),      std::to_string(q.prop),
              singletext(q.power),         q.rsts.trimmedright(),
              q.rstr.trimmedright(),       std::to_string(q.qsls),
              std::to_string(q.qslr),      q.qslvia.trimmedright(),
              q.grid.trimmedright(),       q.wab.trimmedright(),
              std::to_string(q.gender),    std::to_string(q.qth),
              q.comments.trimmedright()})
            line += f + "|";
        line.pop_back();
        return line;
    }
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
    // Every QSO of the log, written to "qsodata.dat" and read back, reads the same. The line
    // holds every field; with wholecomments the comments are compared whole too, leading
    // blanks included (the file keeps no blanks at a comment's ends, so only imports that
    // store none there ask for it).
    void expectroundtrip(bool wholecomments = false) {
        std::vector<std::string> before;
        std::vector<std::string> comments;
        for (int32_t k = 1; k <= s->qsocount; ++k) {
            before.push_back(qsodataline(*s, qso(k)));
            comments.push_back(qso(k).comments.str());
        }
        ASSERT_EQ(writeqsofile(*s, status, dialogs), writeresult::written);
        s->qsocount = 0;
        ASSERT_TRUE(readqsofile(*s, status, dialogs));
        ASSERT_EQ(s->qsocount, static_cast<int32_t>(before.size()));
        for (int32_t k = 1; k <= s->qsocount; ++k) {
            EXPECT_EQ(qsodataline(*s, qso(k)), before[static_cast<std::size_t>(k - 1)]) << k;
            if (wholecomments) {
                EXPECT_EQ(qso(k).comments.str(), comments[static_cast<std::size_t>(k - 1)]) << k;
            }
        }
    }
};

} // namespace tsl::test
