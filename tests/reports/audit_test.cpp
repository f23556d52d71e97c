#include "auditfixture.h"
#include "reports/audit.h"

using namespace tsl;
using namespace tsl::test;

namespace {

using QsoAudit = AwardLog;

// The audit's log: a valid QSO, seven with bad data, a deleted one with bad data.
void auditlog(QsoAudit& t) {
    t.add("W1AW");                        // valid
    t.add("K1ZZ").cqz = "??";             // several zones: shown as 0
    qsorecord& zeropower = t.add("K2PW"); // power 0 alone is bad data
    zeropower.power = 0;
    zeropower.cqz = "05";
    zeropower.ituz = "5A";
    t.add("K4NZ").ituz = "-3"; // below 0
    t.add("K5BD").band = 0;
    t.add("XX1XX").dxcc = 0;
    qsorecord& deleted = t.add("K7DL");
    deleted.band = 0;
    deleted.deleted = "D";
    t.add("K8TN").power = 0.0001f; // "0.000" in five characters
    t.add("K9KW").power = 1500.5f; // "1500." is a power
    qsorecord& blank = t.add("K0BT", "");
    blank.time = "";
    qsorecord& out = t.add("W2OUT"); // every index outside its table
    out.band = 99;
    out.mode = 30;
    out.continent = 12;
    out.dxcc = 700;
    out.power = -5;
    out.cqz = "41";
}

} // namespace

TEST_F(QsoAudit, MatchesTheHandWrittenReport) {
    auditlog(*this);
    const Report r = qsoaudit(*s);
    EXPECT_EQ(r.lines, golden("audit/audit.golden"));
    expectwindowuse(r, 10, true, true, true);
}

TEST_F(QsoAudit, EachBoundOfTheRangesIsKept) {
    struct field {
        void (*set)(qsorecord&);
        bool listed;
    };
    const field cases[] = {
        {[](qsorecord& q) { q.band = 26; }, false},
        {[](qsorecord& q) { q.band = 27; }, true},
        {[](qsorecord& q) { q.mode = 18; }, false},
        {[](qsorecord& q) { q.mode = 19; }, true},
        {[](qsorecord& q) { q.cqz = "40"; }, false},
        {[](qsorecord& q) { q.cqz = "  "; }, true},
        {[](qsorecord& q) { q.ituz = "75"; }, false},
        {[](qsorecord& q) { q.ituz = "76"; }, true},
        {[](qsorecord& q) { q.continent = 7; }, false},
        {[](qsorecord& q) { q.continent = -1; }, true},
        {[](qsorecord& q) { q.dxcc = 3; }, false},
        {[](qsorecord& q) { q.dxcc = 4; }, true},
        {[](qsorecord& q) { q.dxcc = -2; }, true},
        {[](qsorecord& q) { q.mode = -1; }, true},
        {[](qsorecord& q) { q.time = "     "; }, true},
        {[](qsorecord& q) { q.band = -1; }, true},
        {[](qsorecord& q) { q.cqz = "-1"; }, true},
        {[](qsorecord& q) { q.power = -1; }, true},
        {[](qsorecord& q) { q.power = 0.5f; }, false},
    };
    for (const field& c : cases) {
        s->qsocount = 0;
        c.set(add("K1AB"));
        EXPECT_EQ(qsoaudit(*s).lines.back(),
                  c.listed ? "1 QSOs with bad data" : "0 QSOs with bad data");
    }
}

TEST_F(QsoAudit, ThePowerIsShownInFiveCharacters) {
    qsorecord& q = add("K9KW");
    q.power = 1500.5f;
    q.dxcc = 0;
    const Report r = qsoaudit(*s);
    ASSERT_EQ(r.lines.size(), 11u);
    EXPECT_EQ(r.lines[8].substr(0, 47), "20240825 14:30 20 Mtrs  CW   1500. 5   8    NA ");
}

TEST_F(QsoAudit, AnEmptyLogGivesTheHeadersAndNoBadData) {
    const Report r = qsoaudit(*s);
    ASSERT_EQ(r.lines.size(), 10u);
    EXPECT_EQ(r.lines[7], golden("audit/audit.golden")[7]);
    EXPECT_EQ(r.lines[8], "");
    EXPECT_EQ(r.lines[9], "0 QSOs with bad data");
    EXPECT_EQ(missingqsl(*s).lines,
              (std::vector<std::string>{golden("audit/missingqsl.golden")[0], "",
                                        golden("audit/missingqsl.golden")[2], "",
                                        "0 QSOs with no QSL card received"}));
}

TEST_F(QsoAudit, MissingCardsAreSentAndNotReceived) {
    add("W1AW").qsls = 1;
    const auto card = [this](const char* call, int sent, int received) {
        qsorecord& q = add(call);
        q.qsls = static_cast<int16_t>(sent);
        q.qslr = static_cast<int16_t>(received);
        return &q;
    };
    card("K1RC", 1, 1);
    card("K2RC", 0, 1);
    card("K3RC", 2, 1); // a received card is never missing, whatever was sent
    card("K4RC", 0, 0);
    card("K5RC", 1, 2);
    card("K6DL", 1, 0)->deleted = "D";
    qsorecord& other = *card("K1ABC", 1, 0);
    other.date = "20240826";
    other.time = "09:15";
    other.band = 6;
    other.mode = 2;
    const Report r = missingqsl(*s);
    EXPECT_EQ(r.lines, golden("audit/missingqsl.golden"));
    expectwindowuse(r, 10, true, true, true);
}

using RealFiles = SampleLog;

TEST_F(RealFiles, Log4OmCardsSentAndNotReceived) {
    importsample("Log4OM.adi");
    // 93 QSOs have QSL_SENT Y; 38 of them have QSL_RCVD N or R.
    const Report r = missingqsl(*s);
    ASSERT_EQ(r.lines.size(), 3u + 38u + 2u);
    EXPECT_EQ(r.lines.back(), "38 QSOs with no QSL card received");
    EXPECT_EQ(r.lines[3].substr(0, 8), "20210130");
    EXPECT_EQ(r.lines[3].substr(49, 12), "KE8LVA      ");
    EXPECT_EQ(r.lines[40].substr(0, 8), "20210225");
    EXPECT_EQ(r.lines[40].substr(49, 12), "WA0PYW      ");
}
