#pragma once
// A small hand-made log of Century Club Net QSOs on the default data, and the golden texts
// of its reports.

#include "reports/auditfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tsl::test {

// The slashed zero as calls store it.
inline const std::string Z = "\xd8";

struct CcnLog : ::testing::Test, LoadedLog {
    int16_t usa = 0;
    int16_t canada = 0;

    CcnLog() {
        s->mycall = "W9XYZ";
        usa = static_cast<int16_t>(entity("United States of America"));
        canada = static_cast<int16_t>(entity("Canada"));
    }

    // A net QSO: the call, "yyyymmdd", "HH:MM", band and mode, member number in slot 0.
    qsorecord& net(const std::string& call, const std::string& date, const std::string& time,
                   int band, int mode) {
        qsorecord& q = s->qsos[static_cast<std::size_t>(++s->qsocount)];
        q = qsorecord{};
        q.call = call;
        q.date = date;
        q.time = time;
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        q.dxcc = usa;
        slot(q, 0, s->ccnaward, 1000 + s->qsocount);
        return q;
    }
    static void slot(qsorecord& q, int k, int award, int32_t value) {
        AwardLog::slot(q, k, award, value);
    }
    qsorecord& was(qsorecord& q, int32_t state) const {
        slot(q, 1, s->wasaward, state);
        return q;
    }
    qsorecord& province(qsorecord& q, int32_t index) const {
        slot(q, 3, s->provincesaward, index);
        q.dxcc = canada;
        return q;
    }

    // The net's QSOs on 80 m CW, with the QSOs that must stay out of every report.
    void eightymetres() {
        was(net("W1AW", "20230105", "01:00", 3, 1), 6);            // CT
        was(net("K4YL", "20230106", "02:00", 3, 1), 8).gender = 1; // FL
        province(net("VE3ABC", "20230107", "03:00", 3, 1), 3);     // ON
        was(net("W1AW", "20230108", "04:00", 3, 1), 6);
        qsorecord& n0ax = was(net("N" + Z + "AX", "20230109", "05:00", 3, 1), 24); // MO
        slot(n0ax, 2, s->statecapitalsaward, 24);
        was(net("W9ABC/M", "20230110", "06:00", 3, 1), 48).qth = 1; // WI, mobile
        // Slot values outside their tables count as none.
        qsorecord& w8xy = was(net("W8XY/MM", "20230111", "07:00", 3, 1), 50);
        slot(w8xy, 2, s->statecapitalsaward, 77);
        slot(w8xy, 3, s->provincesaward, 13);
        w8xy.gender = 1;
        was(net("KA1ZZ", "20230112", "08:00", 3, 1), 18).comments = "   xx COMBO yy combo"; // ME
        province(net("VE1AA", "20230113", "09:00", 3, 1), 0);                               // NS
        // Out: 75 Extra, deleted, no net slot.
        qsorecord& extra = was(net("W1AW", "20230114", "10:00", 4, 1), 6);
        extra.comments = "COMBO (NO)";
        extra.gender = 1;
        qsorecord& gone = was(net("K2DEL", "20230115", "10:30", 3, 1), 31);
        gone.deleted = "D";
        gone.gender = 1;
        gone.comments = "COMBO (NO)";
        qsorecord& noslot = was(net("K2XX", "20230115", "10:45", 3, 1), 29);
        slot(noslot, 0, 0, 0);
        noslot.gender = 1;
        noslot.comments = "COMBO /NO/";
        net("WB2NO", "20230116", "11:00", 3, 1).comments = "late (NO) check-in";
        qsorecord& owl = net("K7OWL", "20230117", "12:00", 3, 1);
        owl.comments = "on the /no/ list";
        owl.gender = 1;
        was(net("K4YL", "20230118", "13:00", 3, 1), 9).gender = 1; // GA
        was(net("W1AW", "20230119", "14:00", 3, 1), 6).comments = "combo";
        was(net("KA1ZZ", "20230120", "15:00", 3, 1), 18).comments = "COMBO";
    }

    static std::vector<std::string> golden(const std::string& name) {
        return AwardLog::golden("ccn/" + name);
    }
};

} // namespace tsl::test
