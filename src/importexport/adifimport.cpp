#include "adifimport.h"

#include "adifnames.h"
#include "adiftags.h"
#include "core/dxcclookup.h"
#include "core/nameindex.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "importframe.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <unordered_map>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tsl {

namespace {

// The text in capitals.
std::string capitals(std::string_view text) {
    return uppercased(std::string(text));
}

// The fields the import knows. Tags the table names as ignored are read like unknown ones.
enum class field {
    unknown,
    comment, // COMMENT, CONTEST_ID, NAME, NOTES, SAT_NAME
    arlhsnumber,
    arlhs,
    band,
    freq,
    call,
    cnty,
    cont,
    cqz,
    dxcc,
    gridsquare,
    iota,
    ituz,
    mode,
    submode,
    qslrcvd,
    qslsent,
    qslvia,
    qsodate,
    qth,
    rstrcvd,
    rstsent,
    state,
    tenten,
    timeon,
    timeoff,
    txpwr,
    veprov,
};

// The known names in an open hash: most tags of a file are of names not known, so a name
// is found, or found missing, with one or two probes.
class FieldNames {
  public:
    FieldNames() {
        struct named {
            std::string_view name;
            field f;
        };
        static constexpr std::array<named, 32> names = {{
            {"COMMENT", field::comment},
            {"CONTEST_ID", field::comment},
            {"NAME", field::comment},
            {"NOTES", field::comment},
            {"SAT_NAME", field::comment},
            {"ARLHS #", field::arlhsnumber},
            {"ARLHS", field::arlhs},
            {"BAND", field::band},
            {"FREQ", field::freq},
            {"CALL", field::call},
            {"CNTY", field::cnty},
            {"CONT", field::cont},
            {"CQZ", field::cqz},
            {"DXCC", field::dxcc},
            {"GRIDSQUARE", field::gridsquare},
            {"IOTA", field::iota},
            {"ITUZ", field::ituz},
            {"MODE", field::mode},
            {"SUBMODE", field::submode},
            {"QSL_RCVD", field::qslrcvd},
            {"QSL_SENT", field::qslsent},
            {"QSL_VIA", field::qslvia},
            {"QSO_DATE", field::qsodate},
            {"QTH", field::qth},
            {"RST_RCVD", field::rstrcvd},
            {"RST_SENT", field::rstsent},
            {"STATE", field::state},
            {"TEN_TEN", field::tenten},
            {"TIME_ON", field::timeon},
            {"TIME_OFF", field::timeoff},
            {"TX_PWR", field::txpwr},
            {"VE_PROV", field::veprov},
        }};
        for (const named& n : names) {
            const packedname p = packed(n.name);
            std::size_t i = slotof(p);
            while (slots_[i].f != field::unknown)
                i = (i + 1) % slots_.size();
            slots_[i] = {p, n.f};
        }
    }

    // The field of a name in capitals, given packed, and its length.
    field operator()(const packedname& p, std::size_t length) const {
        if (length > 10) return field::unknown; // longer than any name known
        for (std::size_t i = slotof(p);; i = (i + 1) % slots_.size()) {
            if (slots_[i].f == field::unknown) return field::unknown;
            if (slots_[i].name == p) return slots_[i].f;
        }
    }

  private:
    struct slot {
        packedname name;
        field f = field::unknown;
    };
    static std::size_t slotof(const packedname& p) {
        return static_cast<std::size_t>(((p.head ^ (p.tail * 31)) * 0x9E3779B97F4A7C15ull) >> 57);
    }
    std::array<slot, 128> slots_{};
};

// The entries of list awards whose text, or its first characters, match a value in any
// case, each key's entries in list order; built once per award and kind of match.
class EntryMatches {
  public:
    explicit EntryMatches(const AppState& s) : s_(s) {}
    // The positions of the entries of the award whose first `compared` characters (all of
    // them for npos) equal those of the value, in any case.
    const std::vector<int32_t>& find(int16_t award, std::string_view value, std::size_t compared) {
        auto& index = indexes_[{award, compared}];
        if (index.empty()) {
            const awardrecord& a = s_.awardtable[static_cast<std::size_t>(award)];
            for (int e = a.first; e <= a.last; ++e) {
                const std::string& entry = s_.awardentries[static_cast<std::size_t>(e)];
                index[capitals(std::string_view(entry).substr(0, compared))].push_back(e - a.first);
            }
            index[std::string(1, '\0')]; // marks the award's index as built
        }
        const auto it = index.find(capitals(value.substr(0, compared)));
        return it == index.end() ? none_ : it->second;
    }

  private:
    struct key {
        int16_t award;
        std::size_t compared;
        bool operator==(const key&) const = default;
    };
    struct keyhash {
        std::size_t operator()(const key& k) const { return k.compared * 1000003u + k.award; }
    };
    const AppState& s_;
    std::unordered_map<key, std::unordered_map<std::string, std::vector<int32_t>>, keyhash>
        indexes_;
    const std::vector<int32_t> none_;
};

// Recent answers of a look-up by text, which a file mostly repeats.
class RecentAnswers {
  public:
    template <class Find> int16_t operator()(std::string_view text, Find find) {
        for (const auto& [known, answer] : recent_)
            if (known == text) return answer;
        const int16_t answer = find(text);
        if (recent_.size() < 32) recent_.emplace_back(std::string(text), answer);
        return answer;
    }

  private:
    std::vector<std::pair<std::string, int16_t>> recent_;
};

// What the DXCC look-up of a call gave the record.
struct located {
    int16_t dxcc = 0, continent = 0;
    FixedText<2> ituz, cqz;
};

// The look-ups of the calls met so far: an open hash keyed by the part of the call that
// decides the look-up (mostly its first four characters), so it stays small.
class CallAnswers {
  public:
    template <class Find> const located& find(const FixedText<12>& call, Find lookup) {
        if ((used_ + 1) * 2 > slots_.size()) grow();
        const auto key = keyof(call);
        std::size_t i = slotof(key, slots_.size());
        for (; slots_[i].used; i = (i + 1) & (slots_.size() - 1))
            if (slots_[i].key() == key) return slots_[i].answer;
        slots_[i] = {key.first, key.second, true, lookup()};
        ++used_;
        return slots_[i].answer;
    }

  private:
    using callkey = std::pair<uint64_t, uint32_t>;
    // Small slots: the table stays in the processor's caches.
    struct slot {
        uint64_t head = 0;
        uint32_t tail = 0;
        bool used = false;
        located answer;
        callkey key() const { return {head, tail}; }
    };
    static callkey keyof(const FixedText<12>& call) {
        std::array<char, 12> key{};
        const std::size_t part = dxccdecidingpart(call.view());
        std::copy_n(call.view().data(), part, key.data());
        callkey k;
        std::memcpy(&k.first, key.data(), 8);
        std::memcpy(&k.second, key.data() + 8, 4);
        return k;
    }
    static std::size_t slotof(const callkey& k, std::size_t size) {
        const uint64_t h = (k.first ^ (uint64_t{k.second} << 17)) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h >> 20) & (size - 1);
    }
    void grow() {
        std::vector<slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 1024 : old.size() * 2, slot{});
        for (const slot& s : old)
            if (s.used) {
                std::size_t i = slotof(s.key(), slots_.size());
                while (slots_[i].used)
                    i = (i + 1) & (slots_.size() - 1);
                slots_[i] = s;
            }
    }
    std::vector<slot> slots_;
    std::size_t used_ = 0;
};

// The QSO being built and its state from one <EOR> to the next.
struct building {
    qsorecord* q = nullptr; // the record it is built in
    int slot = 0;
    bool statedone = false;
    bool continentgiven = false;
    bool cqzgiven = false; // a CQZ tag of the QSO wins over the DXCC look-ups
    bool timeon = false;   // TIME_ON is the QSO's time; TIME_OFF only stands in for it
    bool timeoff = false;
    bool touched = false; // a tag was applied since the last <EOR>
};

class AdifReader {
  public:
    explicit AdifReader(const AppState& s) : s_(s), entries_(s) {
        for (auto& row : statebycode_)
            row.fill(-1);
        for (int k = 0; k < 50; ++k) {
            const auto& code = s.statetable[static_cast<std::size_t>(k)].code;
            if (code[0] >= 'A' && code[0] <= 'Z' && code[1] >= 'A' && code[1] <= 'Z')
                statebycode_[static_cast<std::size_t>(code[0] - 'A')]
                            [static_cast<std::size_t>(code[1] - 'A')] = static_cast<int8_t>(k);
            statetexts_[static_cast<std::size_t>(k)] =
                uppercased(trimblanks(s.statetable[static_cast<std::size_t>(k)].name));
            statenames_.add(statetexts_[static_cast<std::size_t>(k)], k);
        }
        for (std::size_t k = 0; k < qthnames.size(); ++k)
            qthnames_[k] = uppercased(qthnames[k]);
        for (int d = 1; d <= s.dxcccount; ++d)
            entitybynumber_[s.dxcctable[static_cast<std::size_t>(d)].dxccnum] =
                static_cast<int16_t>(d);
        fresh_.prop = s_.defaultprop;
        fresh_.power = 100.0f;
    }

    // Starts a QSO in the record given.
    void startqso(qsorecord& into) {
        b_ = building{&into};
        into = fresh_; // a copy of the defaults, not a record built anew for every QSO
        comment_.clear();
        mode_.clear();
        submode_.clear();
    }

    building& current() { return b_; }

    // Closes the QSO at <EOR>: its comment and its mode.
    const qsorecord& closeqso() {
        b_.q->comments = comment_;
        const int16_t submode =
            modes_(submode_, [&](std::string_view t) { return adifmode(s_, t); });
        b_.q->mode = submode != 0
                         ? submode
                         : modes_(mode_, [&](std::string_view t) { return adifmode(s_, t); });
        return *b_.q;
    }

    void apply(field f, std::string_view value);

  private:
    void putslot(int16_t award, int32_t entry) {
        if (award < 1 || b_.slot > s_.awardslots) return;
        b_.q->awards[static_cast<std::size_t>(b_.slot)] = award;
        b_.q->entries[static_cast<std::size_t>(b_.slot)] = entry;
        ++b_.slot;
    }

    // Every entry of the award whose text matches fills a slot.
    void putentries(int16_t award, std::string_view value, std::size_t compared) {
        if (award < 1 || award > s_.awardcount) return;
        for (int32_t position : entries_.find(award, value, compared))
            putslot(award, position);
    }

    int statenamed(std::string_view code) const {
        if (code.size() != 2 || code[0] < 'A' || code[0] > 'Z' || code[1] < 'A' || code[1] > 'Z')
            return -1;
        return statebycode_[static_cast<std::size_t>(code[0] - 'A')]
                           [static_cast<std::size_t>(code[1] - 'A')];
    }

    // The call's entity, continent and zones; a file mostly works a call more than once.
    void lookup(qsorecord& q) {
        const located& found = calls_.find(q.call, [&] {
            qsorecord r;
            putdxcc(s_, q.call.str(), r);
            return located{r.dxcc, r.continent, r.ituz, r.cqz};
        });
        q.dxcc = found.dxcc;
        q.continent = found.continent;
        q.ituz = found.ituz;
        q.cqz = found.cqz;
    }

    void entity(std::string_view value);
    void county(std::string_view value);

    const AppState& s_;
    qsorecord fresh_;
    building b_;
    EntryMatches entries_;
    RecentAnswers bands_, modes_;
    std::array<std::array<int8_t, 26>, 26> statebycode_{};
    std::array<std::string, 50> statetexts_; // the names in capitals
    NameIndex statenames_;
    std::array<std::string, qthnames.size()> qthnames_;
    std::unordered_map<int, int16_t> entitybynumber_;
    CallAnswers calls_;
    std::string upper_;
    // The texts of the QSO being built; they keep their room from one QSO to the next.
    std::string comment_, mode_, submode_;
};

void AdifReader::entity(std::string_view value) {
    qsorecord& q = *b_.q;
    q.dxcc = 0;
    if (!b_.cqzgiven) q.cqz = "";
    if (!b_.continentgiven) q.continent = 0;
    if (value.empty()) return;
    const double number = leadingnumber(value);
    if (!(number >= -2e9 && number <= 2e9) || number != static_cast<int>(number)) return;
    const auto it = entitybynumber_.find(static_cast<int>(number));
    if (it == entitybynumber_.end()) return;
    const int16_t d = it->second;
    q.dxcc = d;
    if (!b_.cqzgiven) q.cqz = zonetext(s_.dxcctable[static_cast<std::size_t>(d)].cqzones);
    if (!b_.continentgiven) q.continent = continentindex(s_, d);
}

void AdifReader::county(std::string_view value) {
    if (value.size() < 5) return;
    const std::string_view text = trimmedview(value);
    comment_.append(text).push_back(' ');
    const std::string_view name = text.size() > 3 ? text.substr(3) : std::string_view();
    const int state = statenamed(capitals(text.substr(0, 2)));
    if (state < 0) return;
    if (s_.uscountiesaward > 0 && s_.uscountiesaward + state <= s_.awardcount)
        putentries(static_cast<int16_t>(s_.uscountiesaward + state), name, std::string::npos);
    if (!b_.statedone) {
        putslot(s_.wasaward, state);
        b_.statedone = true;
    }
}

void AdifReader::apply(field f, std::string_view value) {
    qsorecord& q = *b_.q;
    b_.touched = true;
    switch (f) {
    case field::unknown:
        return;
    case field::comment:
        comment_.append(trimmedview(value)).push_back(' ');
        return;
    case field::arlhsnumber:
        putslot(s_.arlhsnumberaward, toint32(leadingnumber(value)).value_or(0));
        return;
    case field::arlhs:
        putentries(s_.arlhsaward, value, std::string::npos);
        return;
    case field::band:
        q.band = bands_(trimmedview(value), [&](std::string_view t) { return adifband(s_, t); });
        return;
    case field::freq: {
        const auto mhz = static_cast<float>(leadingnumber(value));
        for (int b = 0; b <= s_.bandcount; ++b) {
            const bandrecord& band = s_.bandtable[static_cast<std::size_t>(b)];
            if (band.lower <= mhz && mhz <= band.upper) q.band = static_cast<int16_t>(b);
        }
        return;
    }
    case field::call: {
        upper_ = trimmedview(value);
        for (char& c : upper_)
            c = uppercased(c);
        if (upper_.empty()) {
            q.call = "NoCall";
            return;
        }
        q.call = upper_;
        const auto cqz = q.cqz;
        lookup(q);
        if (b_.cqzgiven) q.cqz = cqz;
        return;
    }
    case field::cnty:
        county(value);
        return;
    case field::cont:
        q.continent = 0;
        for (int c = 0; c < s_.continentcount; ++c)
            if (sameletters(value, s_.continenttable[static_cast<std::size_t>(c)].code.view())) {
                q.continent = static_cast<int16_t>(c);
                b_.continentgiven = true;
            }
        return;
    case field::cqz:
        q.cqz = value.substr(0, 2);
        b_.cqzgiven = true;
        return;
    case field::dxcc:
        entity(value);
        return;
    case field::gridsquare:
        q.grid = value;
        return;
    case field::iota:
        if (value.size() < 6 || b_.slot > s_.awardslots) return;
        putentries(iotaaward(s_, value), value.substr(0, 6), 6);
        return;
    case field::ituz:
        q.ituz = value.substr(0, 2);
        return;
    case field::mode:
        mode_ = trimmedview(value);
        return;
    case field::submode:
        submode_ = trimmedview(value);
        return;
    case field::qslrcvd:
        q.qslr = sameletters(value, "Y") ? 1 : 0;
        return;
    case field::qslsent:
        q.qsls =
            sameletters(value, "Y") || sameletters(value, "S") || sameletters(value, "B") ? 1 : 0;
        return;
    case field::qslvia:
        q.qslvia = value;
        return;
    case field::qsodate:
        q.date = value;
        return;
    case field::qth: {
        const std::string v = capitals(trimmedview(value));
        for (std::size_t k = 0; k < qthnames.size(); ++k)
            if (v == qthnames_[k]) q.qth = static_cast<int16_t>(k);
        if (b_.slot > s_.awardslots) return;
        if (const int k = statenames_.find(v); k >= 0 && s_.wasaward >= 1) {
            putslot(s_.wasaward, static_cast<int16_t>(k));
            b_.statedone = true;
        }
        return;
    }
    case field::rstrcvd:
    case field::rstsent: {
        char digits[3] = {' ', ' ', ' '};
        std::size_t n = 0;
        for (char c : value)
            if (c >= '0' && c <= '9' && n < 3) digits[n++] = c;
        (f == field::rstrcvd ? q.rstr : q.rsts) = std::string_view(digits, 3);
        return;
    }
    case field::state: {
        if (b_.statedone) return;
        const int k = statenamed(capitals(trimmedview(value)));
        if (k < 0) return;
        putslot(s_.wasaward, k);
        b_.statedone = true;
        return;
    }
    case field::tenten: {
        const double number = leadingnumber(value);
        if (number > 0) putslot(s_.tentenaward, toint32(number).value_or(0));
        return;
    }
    case field::timeon:
    case field::timeoff: {
        if (f == field::timeon) {
            if (b_.timeon) return;
            b_.timeon = true;
        } else {
            if (b_.timeon || b_.timeoff) return;
            b_.timeoff = true;
        }
        char time[5] = {' ', ' ', ':', ' ', ' '};
        for (std::size_t k = 0; k < 4 && k < value.size(); ++k)
            time[k < 2 ? k : k + 1] = value[k];
        q.time = std::string_view(time, 5);
        return;
    }
    case field::txpwr:
        q.power = static_cast<float>(std::clamp(leadingnumber(value), -3.0e38, 3.0e38));
        return;
    case field::veprov: {
        const std::string v = capitals(trimmedview(value));
        for (int p = 0; p < 13; ++p)
            if (v == s_.provincecodes[static_cast<std::size_t>(p)].code.view())
                putslot(s_.provincesaward, p);
        return;
    }
    }
}

// True when one of the eight bytes is below 32, 127 or more, or a double quote.
bool notplain(uint64_t eight) {
    constexpr uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    const auto zerobyte = [](uint64_t x) { return (x - ones) & ~x & highs; };
    const uint64_t low = (eight - 0x20 * ones) & ~eight & highs; // a byte below 32
    return (low | (eight & highs) | zerobyte(eight ^ (0x7F * ones)) |
            zerobyte(eight ^ (0x22 * ones))) != 0;
}

// The value of length bytes at pos is one that the log takes as it stands: printable
// ASCII without double quotes. Eight bytes are looked at at once, read from the file
// whole where it has them (the bytes past the value count as blanks).
bool plainvalue(std::string_view bytes, std::size_t pos, std::size_t length) {
    std::size_t i = 0;
    uint64_t eight;
    for (; i + 8 <= length; i += 8) {
        std::memcpy(&eight, bytes.data() + pos + i, 8);
        if (notplain(eight)) return false;
    }
    const std::size_t rest = length - i;
    if (rest == 0) return true;
    if (pos + i + 8 <= bytes.size()) {
        std::memcpy(&eight, bytes.data() + pos + i, 8);
        const uint64_t kept = (uint64_t{1} << (8 * rest)) - 1;
        return !notplain((eight & kept) | (0x2020202020202020ull & ~kept));
    }
    for (; i < length; ++i) {
        const auto c = static_cast<unsigned char>(bytes[pos + i]);
        if (c < ' ' || c >= 127 || c == '"') return false;
    }
    return true;
}

// The first byte c from `from` on, or the size when there is none. The distances in a
// file are short: a loop is quicker than a call.
std::size_t findbyte(std::string_view bytes, std::size_t from, char c) {
    while (from < bytes.size() && bytes[from] != c)
        ++from;
    return from;
}

// Eight characters at once in capitals: the bytes "a" to "z" less 32, the others as they
// are.
static_assert(std::endian::native == std::endian::little, "names are packed byte by byte");

uint64_t capitalsofeight(uint64_t eight) {
    constexpr uint64_t ones = 0x0101010101010101ull;
    const uint64_t low7 = eight & (0x7F * ones);
    const uint64_t atleasta = low7 + (0x80 - 'a') * ones;
    const uint64_t abovez = low7 + (0x80 - 'z' - 1) * ones;
    const uint64_t small = atleasta & ~abovez & ~eight & (0x80 * ones);
    return eight - (small >> 2);
}

// The bytes that end a tag's name in the plain way of writing: ":", ">", "<" and those a
// tag's text drops.
constexpr auto nameends = [] {
    std::array<bool, 256> table{};
    for (char c : {':', '>', '<', ',', '\r', '\n', '"', '\0'})
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// Where a name that starts at from ends: at the first byte of `nameends`, or at the size.
// Sixteen bytes are looked at at once where the processor can.
std::size_t nameend(std::string_view bytes, std::size_t from) {
    std::size_t i = from;
#ifdef __SSE2__
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (; i + 16 <= bytes.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        __m128i found = _mm_setzero_si128();
        for (char c : {':', '>', '<', ',', '\r', '\n', '"', '\0'})
            found = _mm_or_si128(found, _mm_cmpeq_epi8(block, _mm_set1_epi8(c)));
        if (const int mask = _mm_movemask_epi8(found))
            return i + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
    }
#endif
    while (i < bytes.size() && !nameends[static_cast<unsigned char>(bytes[i])])
        ++i;
    return i;
}

// The tag at pos read the plain way most files write it: "<", a name without blanks at its
// ends, ":", the length (and a type), ">", with no "<", comma, line end, quote or NUL
// inside; blanks and line ends before it are skipped. Nothing when the tag is of another
// form: the general reader then reads it.
std::optional<adiftag> plaintag(std::string_view bytes, std::size_t pos) {
    const std::size_t size = bytes.size();
    while (pos < size && bytes[pos] != '<') {
        if (bytes[pos] == '>') return std::nullopt;
        ++pos;
    }
    adiftag t;
    std::size_t i = nameend(bytes, pos + 1);
    if (i >= size || (bytes[i] != ':' && bytes[i] != '>') || i == pos + 1 ||
        bytes[pos + 1] == ' ' || bytes[i - 1] == ' ')
        return std::nullopt;
    t.namelength = i - pos - 1;
    // Only names as short as the known ones are spelled out.
    if (t.namelength <= 10) {
        char name[16] = {};
        if (pos + 17 <= size)
            std::memcpy(name, bytes.data() + pos + 1, 16); // one move of a known size
        else
            std::memcpy(name, bytes.data() + pos + 1, t.namelength);
        std::memcpy(&t.name.head, name, 8);
        std::memcpy(&t.name.tail, name + 8, 8);
        // Only the name's own bytes count.
        const std::size_t n = t.namelength;
        t.name.head =
            capitalsofeight(n >= 8 ? t.name.head : t.name.head & ((uint64_t{1} << (8 * n)) - 1));
        t.name.tail =
            capitalsofeight(n > 8 ? t.name.tail & ((uint64_t{1} << (8 * (n - 8))) - 1) : 0);
    }
    if (bytes[i] == '>') {
        if (t.namelength != 3 || t.name != packed("EOR")) return std::nullopt;
        t.kind = adiftag::eor;
        t.next = i + 1;
        return t;
    }
    // The length's digits, then ">"; anything else between them (a type) the long way.
    for (++i; i < size && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
        addlengthdigit(t.length, bytes[i]);
    for (; i < size && bytes[i] != '>'; ++i) {
        if (bytes[i] == '<' || droppedfromtag(bytes[i])) return std::nullopt;
        addlengthdigit(t.length, bytes[i]);
    }
    if (i >= size) return std::nullopt;
    t.kind = adiftag::value;
    t.next = i + 1;
    return t;
}

// The value at pos as the log keeps it: a view into the bytes when it is plain ASCII.
std::string_view valueat(std::string_view bytes, std::size_t pos, std::size_t length,
                         std::string& scratch) {
    const std::string_view raw = bytes.substr(pos, length);
    if (plainvalue(bytes, pos, length)) return raw;
    scratch = convertedadifvalue(raw, bytes.substr(pos + length));
    return scratch;
}

} // namespace

adifcontents parseadif(const AppState& s, std::string_view bytes) {
    adifcontents out;
    std::size_t pos = adifheaderend(bytes);
    if (pos == std::string_view::npos) return out;
    out.header = true;

    AdifReader reader(s);
    // Each QSO is built in its place at the end of the records; a QSO of today's loggers
    // takes some hundred bytes, so most files never make the records grow.
    std::vector<qsorecord>& records = out.records;
    records.reserve(std::min<std::size_t>(bytes.size() / 256 + 1, maxqsos + 1));
    auto place = [&]() -> qsorecord& { return records.emplace_back(); };
    reader.startqso(place());
    static const FieldNames fieldnames;
    std::string tagtext, valuetext;
    const std::size_t size = bytes.size();
    while (pos < size) {
        const auto plain = plaintag(bytes, pos);
        const adiftag t = plain ? *plain : anyadiftag(bytes, pos, tagtext);
        if (t.kind == adiftag::end) break;
        pos = t.next;
        if (t.kind == adiftag::eor) {
            reader.closeqso();
            reader.startqso(place());
            continue;
        }
        if (t.kind == adiftag::nolength) {
            // A tag without a length is skipped; as the file's last tag it is an end mark
            // (such as <APP_LoTW_EOF>), not a fault.
            if (bytes.find('<', pos) != std::string_view::npos) ++out.malformed;
            continue;
        }
        if (t.length > size - pos) {
            pos = size; // the file ends inside the value
            break;
        }
        // The value of a tag the import does not know is read past, never looked at.
        if (const field f = fieldnames(t.name, t.namelength); f != field::unknown)
            reader.apply(f, valueat(bytes, pos, t.length, valuetext));
        else
            reader.current().touched = true;
        pos = findbyte(bytes, pos + t.length, '<');
    }
    out.unfinished = reader.current().touched;
    records.pop_back(); // the QSO begun after the last <EOR>
    return out;
}

namespace {

// The result text up to the skipped QSOs, the QSOs left out and the import log.
std::string resulttext(const importresult& r) {
    std::string text = std::to_string(r.imported) + " records imported from ADIF file.";
    if (r.unfinished) text += " The last QSO had no <EOR> and was left out.";
    if (r.nomode > 0) text += " " + std::to_string(r.nomode) + " QSOs came in without a mode.";
    if (r.malformed > 0)
        text += " " + std::to_string(r.malformed) + " unreadable tags were skipped.";
    return text;
}

} // namespace

importresult importadif(AppState& s, StatusLine& status, Dialogs& dialogs) {
    importresult result;
    auto fail = [&](const std::string& reason) {
        ImportLog("General ADIF import").write(s, "adif.log");
        dialogs.msgbox("ADIF file, " + s.chosenfile + ", not found or it is corrupted.\r\n" +
                           reason,
                       msgbuttons::ok, msgicon::none, s.apptitle + " " + s.mycall.str());
        status.setstatus("No records imported from " + s.chosenfile);
        return result;
    };

    const auto file = readwholefile(s.chosenfile);
    if (!file) return fail("The file cannot be opened.");
    adifcontents contents = parseadif(s, *file);
    if (!contents.header) return fail("It has no <EOH> at the end of its header.");

    importread read;
    read.records = std::move(contents.records);
    result.unfinished = contents.unfinished;
    result.malformed = contents.malformed;
    importending ending;
    ending.logname = "adif.log";
    ending.logtitle = "General ADIF import";
    ending.text = [&](int32_t imported, const std::string& more) {
        // The QSOs without a mode among those the log took, the last ones of the log now.
        for (int32_t k = s.qsocount - imported + 1; k <= s.qsocount; ++k)
            if (s.qsos[static_cast<std::size_t>(k)].mode == 0) ++result.nomode;
        result.imported = imported;
        return resulttext(result) + more;
    };
    const importoutcome outcome = finishimport(s, status, read, ending);
    result.ok = true;
    result.leftout = outcome.leftout;
    result.skipped = outcome.skipped;
    return result;
}

} // namespace tsl
