#include "dxcc.h"

#include "core/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace gendata {

namespace {

// Limits of the file format.
constexpr std::size_t kPrefixSlots = 41;
constexpr std::size_t kMaxPrefixLength = 4;
constexpr std::size_t kMaxKeyLength = 6;
constexpr std::size_t kMaxEntities = 500;
constexpr std::size_t kMaxPrefixesPerLength = 2001;

constexpr int kUnitedStates = 291;
constexpr int kAlaska = 6;
constexpr int kHawaii = 110;
constexpr int kCanada = 1;
constexpr int kAsiaticRussia = 15;
constexpr int kEuropeanRussia = 54;
constexpr int kKaliningrad = 126;

// Old-style prefixes the call lookup relies on; they stay on these entities whatever
// the other sources say.
struct FixedPrefix {
    int entity;
    const char* prefix;
    const char* nameMustContain; // guards against a renumbered source
};
constexpr std::array<FixedPrefix, 5> kFixedPrefixes = {{
    {276, "FR/T", "Tromelin"},
    {124, "FR/J", "Juan de Nova"},
    {124, "FR/E", "Europa"},
    {99, "FR/G", "Glorioso"},
    {180, "SV/A", "Athos"},
}};

// Current entities whose position in dxcc-entities.csv is wrong; cty.csv's is used.
//   131 Kerguelen: a copy of Amsterdam and Saint-Paul's position
//   252 Saint Paul I. (Cabot Strait): the position of the Pribilof island of that name
//   260 Monaco: a copy of Austria's position
//   279 Scotland: longitude with the wrong sign
constexpr std::array<int, 4> kPositionFromCty = {131, 252, 260, 279};

// Deleted entities whose listed position is a copy of another entity's, far from the
// place; they get no position (0 N, 0 E) like the other deleted entities.
//   8, 44, 55 (Aldabra, Desroches, Farquhar): Chagos; 113 Ifni: Ceuta and Melilla;
//   154 Yemen Arab Republic: Timor-Leste; 164 Manchuria: Mozambique
constexpr std::array<int, 6> kDropPosition = {8, 44, 55, 113, 154, 164};

// Russia has more prefix series than a line has slots. European Russia takes the
// one-letter prefixes R and U; Asiatic Russia (call districts 0, 8, 9) and Kaliningrad
// (2) need a prefix per series and keep them in this order when slots run out, the
// long-established series first; European Russia's exceptions inside Asiatic
// Russia's series (9F Perm, 9X Komi) go by the same order.
constexpr std::array<const char*, 30> kRussianSeries = {
    "UA", "RA", "RK", "RN", "RU", "RV", "RW", "RX", "RZ", "UB", "UC", "UD", "UE", "UF", "UG",
    "UH", "UI", "RD", "RT", "RC", "RE", "RF", "RG", "RJ", "RL", "RM", "RO", "RQ", "RY", "RI"};

// Where a prefix candidate came from; lower wins when a list must be shortened.
enum class Source { Fixed = 0, Entities = 1, Cty = 2, CtyKey = 3 };

struct Candidate {
    std::string prefix;
    Source source;
    int order; // position in the sources, for a stable output order
};

struct Entity {
    int number = 0;
    std::string name;
    bool deleted = false;
    std::vector<std::string> continents;
    std::vector<int> cq;
    std::vector<int> itu;
    std::string latitude, longitude;         // east and north positive, may be empty
    std::vector<std::string> listedPrefixes; // dxcc-entities.csv
    std::string key;
    std::vector<Candidate> prefixes; // final for current entities
};

struct CtyRow {
    std::string key;
    bool waeOnly = false; // "*" rows: parts of an entity that count for WAE only
    int entity = 0;
    std::string continent;
    std::string latitude, longitude; // north and WEST positive
    std::vector<std::string> prefixes;
    std::vector<std::string> calls; // exact calls ("=CALL")
};

std::string upper(std::string s) {
    return tsl::uppercased(std::move(s));
}

bool isPrefixText(const std::string& p) {
    if (p.empty()) return false;
    for (char c : p) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
        if (!ok) return false;
    }
    return true;
}

int toInt(const std::string& s, const char* what) {
    try {
        std::size_t used = 0;
        const int v = std::stoi(s, &used);
        if (used == s.size()) return v;
    } catch (const std::exception&) {
    }
    throw std::runtime_error(std::string("bad ") + what + ": '" + s + "'");
}

std::vector<int> parseZones(const std::string& text, int entity) {
    std::set<int> zones;
    for (const auto& w : splitWords(text))
        zones.insert(toInt(w, "zone"));
    if (zones.empty())
        throw std::runtime_error("entity " + std::to_string(entity) + " has no zones");
    return {zones.begin(), zones.end()};
}

std::string joinZones(const std::vector<int>& zones) {
    std::string s;
    for (int z : zones) {
        if (!s.empty()) s += ',';
        s += std::to_string(z);
    }
    return s;
}

std::vector<Entity> readEntities(const std::filesystem::path& file) {
    // entity_number,name,full_name,deleted,continent,cq_zones,itu_zones,latitude,longitude,prefixes
    std::vector<Entity> entities;
    for (const auto& r : readCsv(file, 10)) {
        Entity e;
        e.number = toInt(r[0], "entity number");
        e.name = r[1];
        e.deleted = r[3] == "1";
        if (!e.deleted && r[3] != "0") throw std::runtime_error("bad deleted flag: " + r[3]);
        e.continents = splitWords(r[4]);
        e.cq = parseZones(r[5], e.number);
        e.itu = parseZones(r[6], e.number);
        e.latitude = r[7];
        e.longitude = r[8];
        if (e.latitude.empty() != e.longitude.empty())
            throw std::runtime_error("entity " + r[0] + " has half a position");
        // The source writes two slash prefixes of one entity as "FT/J E": a lone
        // letter after "XX/Y" stands for "XX/E".
        for (const auto& w : splitWords(r[9])) {
            const std::string p = upper(w);
            if (p.size() == 1 && !e.listedPrefixes.empty()) {
                const std::string& prev = e.listedPrefixes.back();
                if (prev.size() >= 3 && prev[prev.size() - 2] == '/') {
                    e.listedPrefixes.push_back(prev.substr(0, prev.size() - 1) + p);
                    continue;
                }
            }
            if (!isPrefixText(p))
                throw std::runtime_error("bad prefix '" + w + "' of entity " + r[0]);
            e.listedPrefixes.push_back(p);
        }
        entities.push_back(std::move(e));
    }
    return entities;
}

// A prefix list item of cty.csv: drops the "(cq)" "[itu]" "<lat/lon>" "{cont}" "~tz~"
// overrides that may follow it.
std::string ctyItem(const std::string& item) {
    const auto cut = item.find_first_of("([<{~");
    return item.substr(0, cut);
}

std::vector<CtyRow> readCty(const std::filesystem::path& file) {
    // key,name,entity,continent,cq,itu,latitude,longitude,utc offset,prefixes; (no header)
    std::vector<CtyRow> rows;
    for (const auto& r : readCsv(file, 10, false)) {
        CtyRow c;
        c.key = r[0];
        if (c.key.starts_with('*')) {
            c.waeOnly = true;
            c.key.erase(0, 1);
        }
        c.entity = toInt(r[2], "cty entity number");
        c.continent = r[3];
        c.latitude = r[6];
        c.longitude = r[7];
        std::string list = r[9];
        while (!list.empty() && list.back() == ';')
            list.pop_back();
        for (const auto& w : splitWords(list)) {
            if (w.starts_with('=')) {
                const std::string call = upper(ctyItem(w.substr(1)));
                if (!call.empty()) c.calls.push_back(call);
                continue;
            }
            const std::string p = upper(ctyItem(w));
            if (!isPrefixText(p)) throw std::runtime_error("bad cty prefix '" + w + "'");
            if (std::find(c.prefixes.begin(), c.prefixes.end(), p) == c.prefixes.end())
                c.prefixes.push_back(p);
        }
        rows.push_back(std::move(c));
    }
    return rows;
}

// cty.csv's own prefix lookup (longest listed prefix wins), used to settle clashes
// and to measure how closely the generated prefixes follow it.
class CtyOracle {
  public:
    CtyOracle(const std::vector<CtyRow>& rows, std::ostream& log) {
        for (const auto& r : rows) {
            for (const auto& p : r.prefixes) {
                auto [it, inserted] = owner_.emplace(p, r.entity);
                if (!inserted && it->second != r.entity)
                    log << "warning: cty.csv lists prefix " << p << " for entities " << it->second
                        << " and " << r.entity << "\n";
            }
        }
    }
    std::optional<int> lookup(const std::string& call) const {
        for (std::size_t n = call.size(); n > 0; --n) {
            auto it = owner_.find(call.substr(0, n));
            if (it != owner_.end()) return it->second;
        }
        return std::nullopt;
    }
    const std::map<std::string, int>& prefixes() const { return owner_; }

  private:
    std::map<std::string, int> owner_;
};

// The program's call lookup: the first n = 4, 3, 2, 1 characters of the call are
// looked up as a prefix, among current entities only; the first n that matches wins.
class Lookup {
  public:
    explicit Lookup(const std::vector<Entity>& entities) {
        for (const auto& e : entities) {
            if (e.deleted) continue;
            for (const auto& c : e.prefixes)
                owners_[c.prefix].push_back(e.number);
        }
    }
    std::vector<int> find(const std::string& call) const {
        for (std::size_t n = std::min(call.size(), kMaxPrefixLength); n > 0; --n) {
            auto it = owners_.find(call.substr(0, n));
            if (it != owners_.end()) return it->second;
        }
        return {};
    }

  private:
    std::map<std::string, std::vector<int>> owners_;
};

class PrefixPlanner {
  public:
    PrefixPlanner(std::vector<Entity>& entities, const std::vector<CtyRow>& cty,
                  const CtyOracle& oracle, std::ostream& log, bool verbose)
        : cty_(cty), oracle_(oracle), log_(log), verbose_(verbose) {
        for (auto& e : entities)
            if (!e.deleted) live_[e.number] = &e;
    }

    void run() {
        collect();
        resolveClashes();
        removeRedundant();
        fitSlots();
        for (const auto& f : kFixedPrefixes) {
            const Entity& e = *live_.at(f.entity);
            const bool present =
                std::any_of(e.prefixes.begin(), e.prefixes.end(),
                            [&](const Candidate& c) { return c.prefix == f.prefix; });
            if (!present) throw std::runtime_error(std::string("lost fixed prefix ") + f.prefix);
        }
    }

  private:
    void add(Entity& e, const std::string& prefix, Source source) {
        if (prefix.empty() || prefix.size() > kMaxPrefixLength || prefix.find('/') == 0) return;
        for (const auto& c : e.prefixes)
            if (c.prefix == prefix) return;
        e.prefixes.push_back({prefix, source, order_++});
    }

    // Every candidate prefix of every current entity: its own list, the fixed old-style
    // prefixes, cty.csv's prefixes of up to 4 characters (longer ones cannot be stored)
    // and cty.csv's main prefixes where they are plain prefixes (no "/"); these name
    // places otherwise reached by exact calls only, like 4U1V (Vienna) or VK0H.
    void collect() {
        for (const auto& f : kFixedPrefixes) {
            auto it = live_.find(f.entity);
            if (it == live_.end() || it->second->name.find(f.nameMustContain) == std::string::npos)
                throw std::runtime_error(std::string("no current entity for ") + f.prefix);
            add(*it->second, f.prefix, Source::Fixed);
        }
        for (auto& [number, e] : live_)
            for (const auto& p : e->listedPrefixes)
                add(*e, p, Source::Entities);
        for (const auto& r : cty_) {
            auto it = live_.find(r.entity);
            if (it == live_.end())
                throw std::runtime_error("cty.csv entity " + std::to_string(r.entity) +
                                         " is not current");
            for (const auto& p : r.prefixes)
                add(*it->second, p, Source::Cty);
        }
        // A main prefix that only abbreviates the entity's own longer prefixes (IS for
        // Sardinia's IS0) would widen them, so such keys are left out.
        for (const auto& r : cty_) {
            const std::string key = upper(r.key);
            if (key.find('/') != std::string::npos) continue;
            bool abbreviates = false;
            for (const auto& other : cty_) {
                if (other.entity != r.entity) continue;
                for (const auto& p : other.prefixes)
                    abbreviates = abbreviates || (p.size() > key.size() && p.starts_with(key));
            }
            if (!abbreviates) add(*live_.at(r.entity), key, Source::CtyKey);
        }
    }

    std::map<std::string, std::vector<int>> owners() const {
        std::map<std::string, std::vector<int>> m;
        for (const auto& [number, e] : live_)
            for (const auto& c : e->prefixes)
                m[c.prefix].push_back(number);
        return m;
    }

    void drop(int entity, const std::string& prefix) {
        auto& list = live_.at(entity)->prefixes;
        std::erase_if(list, [&](const Candidate& c) { return c.prefix == prefix; });
    }

    // A prefix listed by two current entities makes the lookup ambiguous. The entity
    // cty.csv's lookup gives for the prefix keeps it; when that is none of them, no one
    // keeps it (the calls then go to a shorter prefix).
    void resolveClashes() {
        int kept = 0, dropped = 0;
        for (const auto& [prefix, claimants] : owners()) {
            if (claimants.size() < 2) continue;
            std::optional<int> winner;
            for (const auto& f : kFixedPrefixes)
                if (prefix == f.prefix) winner = f.entity;
            if (!winner) {
                const auto guess = oracle_.lookup(prefix);
                if (guess &&
                    std::find(claimants.begin(), claimants.end(), *guess) != claimants.end())
                    winner = guess;
            }
            std::string losers;
            for (int n : claimants) {
                if (winner && n == *winner) continue;
                drop(n, prefix);
                losers += (losers.empty() ? "" : ", ") + live_.at(n)->name;
            }
            if (winner) {
                ++kept;
                clashLog_ += "  " + prefix + ": kept by " + live_.at(*winner)->name +
                             "; dropped from " + losers + "\n";
            } else {
                ++dropped;
                clashLog_ += "  " + prefix + ": dropped from " + losers + "\n";
            }
        }
        log_ << "prefix clashes resolved: " << kept + dropped << " (" << kept
             << " kept by one entity, " << dropped << " dropped from all)\n"
             << clashLog_;
    }

    // Removes each prefix whose next shorter listed prefix belongs to the same entity:
    // the lookup then finds that one and gives the same answer.
    void removeRedundant() {
        const auto owner = owners();
        int removed = 0;
        for (auto& [number, e] : live_) {
            const int entity = number;
            std::erase_if(e->prefixes, [&](const Candidate& c) {
                if (c.source == Source::Fixed) return false;
                for (std::size_t n = c.prefix.size() - 1; n > 0; --n) {
                    auto it = owner.find(c.prefix.substr(0, n));
                    if (it == owner.end()) continue;
                    if (it->second.size() == 1 && it->second[0] == entity) {
                        ++removed;
                        return true;
                    }
                    return false;
                }
                return false;
            });
        }
        if (verbose_) log_ << "redundant prefixes removed: " << removed << "\n";
    }

    static int seriesRank(const std::string& p) {
        if (p.size() >= 2 && p[1] >= '0' && p[1] <= '9') return -1; // "R9", "U2F": whole series
        for (std::size_t i = 0; i < kRussianSeries.size(); ++i)
            if (p.starts_with(kRussianSeries[i])) return static_cast<int>(i);
        return static_cast<int>(kRussianSeries.size());
    }

    // Rank of a prefix when a list must be shortened (lower is kept first): fixed
    // prefixes, then shorter ones (they cover more calls). Russian lists then go by the
    // call district digit (8 is rare, 0 and 9 are common), by the region letter after
    // it (G, Komi-Permyak, is rare next to F, Perm, and X, Komi) and by kRussianSeries.
    // Elsewhere the entity's own list goes before cty.csv's additions.
    static std::array<int, 7> rank(int entity, const Candidate& c) {
        const int fixed = c.source == Source::Fixed ? 0 : 1;
        const int length = static_cast<int>(c.prefix.size());
        const int source = static_cast<int>(c.source);
        if (entity != kAsiaticRussia && entity != kEuropeanRussia && entity != kKaliningrad)
            return {fixed, source, length, 0, 0, 0, c.order};
        const auto digit = c.prefix.find_first_of("0123456789");
        const int rareDigit = digit != std::string::npos && c.prefix[digit] == '8' ? 1 : 0;
        const int rareRegion =
            digit != std::string::npos && digit + 1 < c.prefix.size() && c.prefix[digit + 1] == 'G'
                ? 1
                : 0;
        return {fixed, length, rareDigit, rareRegion, seriesRank(c.prefix), source, c.order};
    }

    // Shortens lists longer than the slots allow, Asiatic Russia first: European
    // Russia's exceptions inside Asiatic Russia's series (UA9F for Perm ...) are needed
    // only where Asiatic Russia keeps the series, which is known only then.
    void fitSlots() {
        std::vector<int> order = {kAsiaticRussia};
        for (const auto& [number, e] : live_)
            if (number != kAsiaticRussia) order.push_back(number);
        for (int number : order) {
            Entity& e = *live_.at(number);
            if (e.prefixes.size() <= kPrefixSlots) continue;
            auto sorted = e.prefixes;
            std::stable_sort(sorted.begin(), sorted.end(),
                             [&](const Candidate& a, const Candidate& b) {
                                 return rank(number, a) < rank(number, b);
                             });
            std::string cut;
            for (std::size_t i = kPrefixSlots; i < sorted.size(); ++i)
                cut += " " + sorted[i].prefix;
            sorted.resize(kPrefixSlots);
            std::sort(sorted.begin(), sorted.end(),
                      [](const Candidate& a, const Candidate& b) { return a.order < b.order; });
            log_ << "prefixes of " << e.name << " cut to " << kPrefixSlots << "; left out:" << cut
                 << "\n";
            e.prefixes = std::move(sorted);
            removeRedundant();
        }
    }

    const std::vector<CtyRow>& cty_;
    const CtyOracle& oracle_;
    std::ostream& log_;
    bool verbose_;
    std::map<int, Entity*> live_;
    int order_ = 0;
    std::string clashLog_;
};

// Great circle distance in km, for the position sanity report.
double distanceKm(double lat1, double lon1, double lat2, double lon2) {
    constexpr double rad = 3.14159265358979323846 / 180.0;
    const double c = std::sin(lat1 * rad) * std::sin(lat2 * rad) +
                     std::cos(lat1 * rad) * std::cos(lat2 * rad) * std::cos((lon1 - lon2) * rad);
    return 6371.0 * std::acos(std::clamp(c, -1.0, 1.0));
}

// Compares the generated lookup with cty.csv's on cty.csv's own prefixes and exact calls.
void reportAgreement(const std::vector<Entity>& entities, const std::vector<CtyRow>& cty,
                     const CtyOracle& oracle, std::ostream& log, bool verbose) {
    const Lookup lookup(entities);
    std::map<int, std::string> names;
    for (const auto& e : entities)
        names[e.number] = e.name;
    auto describe = [&](const std::vector<int>& found) {
        if (found.empty()) return std::string("nothing");
        std::string s;
        for (int n : found)
            s += (s.empty() ? "" : " + ") + names[n];
        return s;
    };
    int prefixTotal = 0, prefixSame = 0, callTotal = 0, callSame = 0;
    std::string details;
    for (const auto& [prefix, entity] : oracle.prefixes()) {
        if (prefix.size() > kMaxPrefixLength) continue;
        const auto found = lookup.find(prefix);
        ++prefixTotal;
        if (found.size() == 1 && found[0] == entity) {
            ++prefixSame;
        } else {
            details += "  prefix " + prefix + ": cty " + names[entity] + ", here " +
                       describe(found) + "\n";
        }
    }
    for (const auto& r : cty) {
        for (const auto& call : r.calls) {
            if (call.find('/') != std::string::npos) continue;
            const auto found = lookup.find(call);
            ++callTotal;
            if (found.size() == 1 && found[0] == r.entity) ++callSame;
        }
    }
    log << "agreement with cty.csv: " << prefixSame << " of " << prefixTotal
        << " prefixes of up to 4 characters, " << callSame << " of " << callTotal
        << " listed exact calls (these are mostly exceptions to the prefixes)\n";
    if (verbose) log << details;
}

} // namespace

DataWriter buildDxcc(const std::filesystem::path& sourceDir, std::ostream& log, bool verbose) {
    auto entities = readEntities(sourceDir / "dxcc-entities.csv");
    const auto cty = readCty(sourceDir / "cty.csv");
    const CtyOracle oracle(cty, log);

    if (entities.size() > kMaxEntities) throw std::runtime_error("too many entities");
    std::map<int, const CtyRow*> mainRow; // first row of each entity, "*" rows only if no other
    for (const auto& r : cty) {
        auto it = mainRow.find(r.entity);
        if (it == mainRow.end() || (it->second->waeOnly && !r.waeOnly)) mainRow[r.entity] = &r;
    }
    std::set<int> numbers;
    for (auto& e : entities) {
        if (!numbers.insert(e.number).second)
            throw std::runtime_error("duplicate entity " + std::to_string(e.number));
        if (e.number == kUnitedStates) e.name = "United States of America";
        if (e.deleted) {
            e.key = e.listedPrefixes.empty() ? std::string() : e.listedPrefixes.front();
            continue;
        }
        auto it = mainRow.find(e.number);
        if (it == mainRow.end())
            throw std::runtime_error("cty.csv lacks entity " + std::to_string(e.number));
        e.key = it->second->key;
    }
    // Two deleted entities share their name with a current one (Comoros, Palestine).
    std::map<std::string, int> nameCount;
    for (const auto& e : entities)
        ++nameCount[e.name];
    for (auto& e : entities)
        if (e.deleted && nameCount[e.name] > 1) e.name += " (deleted)";
    std::set<std::string> names;
    for (const auto& e : entities) {
        if (!names.insert(e.name).second) throw std::runtime_error("duplicate name " + e.name);
        if (e.key.size() > kMaxKeyLength) throw std::runtime_error("key too long: " + e.key);
        for (unsigned char c : e.name)
            if (c >= 0x80) log << "warning: non-ASCII name " << e.name << "\n";
    }

    // Positions.
    for (auto& e : entities) {
        if (e.deleted) {
            if (std::find(kDropPosition.begin(), kDropPosition.end(), e.number) !=
                kDropPosition.end()) {
                e.latitude.clear();
                e.longitude.clear();
            }
            continue;
        }
        const CtyRow& r = *mainRow.at(e.number);
        const Number ctyLat = parseNumber(r.latitude);
        Number ctyLon = parseNumber(r.longitude);
        ctyLon.negative =
            !ctyLon.negative && ctyLon.magnitude != "0"; // west positive -> east positive
        const std::string lat = (ctyLat.negative ? "-" : "") + ctyLat.magnitude;
        const std::string lon = (ctyLon.negative ? "-" : "") + ctyLon.magnitude;
        const bool override = std::find(kPositionFromCty.begin(), kPositionFromCty.end(),
                                        e.number) != kPositionFromCty.end();
        if (e.latitude.empty() || override) {
            if (verbose && !e.latitude.empty())
                log << "position of " << e.name << " taken from cty.csv: " << lat << " " << lon
                    << " instead of " << e.latitude << " " << e.longitude << "\n";
            e.latitude = lat;
            e.longitude = lon;
        } else if (verbose) {
            const double km = distanceKm(std::stod(e.latitude), std::stod(e.longitude),
                                         std::stod(lat), std::stod(lon));
            if (km > 500)
                log << "note: " << e.name << " is " << static_cast<int>(km)
                    << " km from cty.csv's position\n";
        }
        // Entities spanning two continents get the one cty.csv gives.
        if (e.continents.size() > 1 &&
            std::find(e.continents.begin(), e.continents.end(), r.continent) != e.continents.end())
            e.continents = {r.continent};
    }

    PrefixPlanner(entities, cty, oracle, log, verbose).run();

    std::sort(entities.begin(), entities.end(),
              [](const Entity& a, const Entity& b) { return a.name < b.name; });
    if (entities.front().number != 2)
        throw std::runtime_error("first entity is not 2 (Abu Ail Is.)");

    static const std::set<std::string> kContinents = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
    std::array<std::size_t, kMaxPrefixLength + 1> perLength{};
    DataWriter out;
    for (const auto& e : entities) {
        std::vector<std::string> prefixes;
        if (e.deleted) {
            prefixes = e.listedPrefixes;
        } else {
            for (const auto& c : e.prefixes)
                prefixes.push_back(c.prefix);
        }
        if (prefixes.size() > kPrefixSlots)
            throw std::runtime_error(e.name + " has more than " + std::to_string(kPrefixSlots) +
                                     " prefixes");
        if (e.continents.empty() || !kContinents.contains(e.continents.front()))
            throw std::runtime_error(e.name + " has no valid continent");

        out.text(e.key);
        for (std::size_t i = 0; i < kPrefixSlots; ++i) {
            const std::string p = i < prefixes.size() ? prefixes[i] : std::string();
            if (p.size() > kMaxPrefixLength) throw std::runtime_error("prefix too long: " + p);
            ++perLength[p.size()];
            out.text(p);
        }
        const char* status =
            e.deleted                                                                   ? "D"
            : (e.number == kUnitedStates || e.number == kAlaska || e.number == kHawaii) ? "X"
            : e.number == kCanada                                                       ? "C"
                                                                                        : " ";
        out.text(status).text(e.name).text(e.continents.front());
        out.text(joinZones(e.itu)).text(joinZones(e.cq));
        Number lat{"0", false}, lon{"0", false};
        if (!e.latitude.empty()) {
            lat = parseNumber(e.latitude);
            lon = parseNumber(e.longitude);
        }
        if (std::stod(lat.magnitude) > 90 || std::stod(lon.magnitude) > 180)
            throw std::runtime_error(e.name + " has a position out of range");
        out.number(lat.magnitude).text(lat.negative ? "S" : "N");
        out.number(lon.magnitude).text(lon.negative ? "W" : "E");
        out.number(e.number);
        out.endLine();
    }

    std::size_t live = 0;
    for (const auto& e : entities)
        live += e.deleted ? 0 : 1;
    log << "entities: " << entities.size() << " (" << live << " current, " << entities.size() - live
        << " deleted)\nprefixes per length:";
    for (std::size_t n = 1; n <= kMaxPrefixLength; ++n)
        log << " " << n << ":" << perLength[n];
    log << "\n";
    for (std::size_t n = 1; n <= kMaxPrefixLength; ++n)
        if (perLength[n] > kMaxPrefixesPerLength)
            throw std::runtime_error("more than " + std::to_string(kMaxPrefixesPerLength) +
                                     " prefixes of length " + std::to_string(n));
    for (const auto& e : entities) {
        if (e.number != kAsiaticRussia && e.number != kEuropeanRussia && e.number != kKaliningrad)
            continue;
        log << e.name << ":";
        for (const auto& c : e.prefixes)
            log << " " << c.prefix;
        log << "\n";
    }
    if (verbose) {
        for (const auto& e : entities) {
            if (!e.deleted && e.prefixes.empty()) log << "note: no prefix for " << e.name << "\n";
        }
    }
    reportAgreement(entities, cty, oracle, log, verbose);
    return out;
}

} // namespace gendata
