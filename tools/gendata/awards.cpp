#include "awards.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace gendata {

namespace {

constexpr std::size_t kMaxAwards = 500;
constexpr std::size_t kMaxEntries = 26000;

struct State {
    const char* code;
    const char* name;
    const char* capital;
};

// The 50 states in alphabetical order of their names.
constexpr std::array<State, 50> kStates = {{
    {"AL", "Alabama", "Montgomery"},
    {"AK", "Alaska", "Juneau"},
    {"AZ", "Arizona", "Phoenix"},
    {"AR", "Arkansas", "Little Rock"},
    {"CA", "California", "Sacramento"},
    {"CO", "Colorado", "Denver"},
    {"CT", "Connecticut", "Hartford"},
    {"DE", "Delaware", "Dover"},
    {"FL", "Florida", "Tallahassee"},
    {"GA", "Georgia", "Atlanta"},
    {"HI", "Hawaii", "Honolulu"},
    {"ID", "Idaho", "Boise"},
    {"IL", "Illinois", "Springfield"},
    {"IN", "Indiana", "Indianapolis"},
    {"IA", "Iowa", "Des Moines"},
    {"KS", "Kansas", "Topeka"},
    {"KY", "Kentucky", "Frankfort"},
    {"LA", "Louisiana", "Baton Rouge"},
    {"ME", "Maine", "Augusta"},
    {"MD", "Maryland", "Annapolis"},
    {"MA", "Massachusetts", "Boston"},
    {"MI", "Michigan", "Lansing"},
    {"MN", "Minnesota", "Saint Paul"},
    {"MS", "Mississippi", "Jackson"},
    {"MO", "Missouri", "Jefferson City"},
    {"MT", "Montana", "Helena"},
    {"NE", "Nebraska", "Lincoln"},
    {"NV", "Nevada", "Carson City"},
    {"NH", "New Hampshire", "Concord"},
    {"NJ", "New Jersey", "Trenton"},
    {"NM", "New Mexico", "Santa Fe"},
    {"NY", "New York", "Albany"},
    {"NC", "North Carolina", "Raleigh"},
    {"ND", "North Dakota", "Bismarck"},
    {"OH", "Ohio", "Columbus"},
    {"OK", "Oklahoma", "Oklahoma City"},
    {"OR", "Oregon", "Salem"},
    {"PA", "Pennsylvania", "Harrisburg"},
    {"RI", "Rhode Island", "Providence"},
    {"SC", "South Carolina", "Columbia"},
    {"SD", "South Dakota", "Pierre"},
    {"TN", "Tennessee", "Nashville"},
    {"TX", "Texas", "Austin"},
    {"UT", "Utah", "Salt Lake City"},
    {"VT", "Vermont", "Montpelier"},
    {"VA", "Virginia", "Richmond"},
    {"WA", "Washington", "Olympia"},
    {"WV", "West Virginia", "Charleston"},
    {"WI", "Wisconsin", "Madison"},
    {"WY", "Wyoming", "Cheyenne"},
}};

constexpr std::array<const char*, 10> kNumberAwards = {
    "Century Club Net #", "QCWA #",       "Geratol #", "Geratol Director's #", "OMISS #",
    "Ten-Ten #",          "Ten-Ten VP #", "ARLHS #",   "WAB Book #",           "HHH Net #"};

constexpr std::array<const char*, 13> kProvinces = {"NS Nova Scotia",
                                                    "NB New Brunswick",
                                                    "QC Quebec",
                                                    "ON Ontario",
                                                    "MB Manitoba",
                                                    "SK Saskatchewan",
                                                    "AB Alberta",
                                                    "BC British Columbia",
                                                    "NT North West Territories",
                                                    "NL Newfoundland-Labrador",
                                                    "NU Nunavut",
                                                    "YK Yukon",
                                                    "PE Prince Edward Island"};

struct IotaContinent {
    const char* code;
    const char* award;
};
constexpr std::array<IotaContinent, 7> kIota = {{
    {"AF", "IOTA Africa"},
    {"AN", "IOTA Antartica"}, // the award's traditional spelling
    {"AS", "IOTA Asia"},
    {"EU", "IOTA Europe"},
    {"NA", "IOTA North America"},
    {"OC", "IOTA Oceania"},
    {"SA", "IOTA South America"},
}};

struct Award {
    std::string name;
    std::vector<std::string> entries; // empty for a number award
};

bool isIotaReference(const std::string& r) {
    if (r.size() != 6 || r[2] != '-') return false;
    for (std::size_t i : {0u, 1u})
        if (r[i] < 'A' || r[i] > 'Z') return false;
    for (std::size_t i : {3u, 4u, 5u})
        if (r[i] < '0' || r[i] > '9') return false;
    return true;
}

} // namespace

DataWriter buildAwards(const std::filesystem::path& sourceDir, std::ostream& log) {
    std::vector<Award> lists;

    Award states{"Worked All States", {}};
    Award capitals{"US State Capitals", {}};
    for (const auto& s : kStates) {
        states.entries.push_back(std::string(s.code) + " " + s.name);
        capitals.entries.push_back(std::string(s.code) + " " + s.capital);
    }
    lists.push_back(std::move(states));
    lists.push_back(std::move(capitals));
    lists.push_back({"Canadian Provinces", {kProvinces.begin(), kProvinces.end()}});

    // state,county,full_name
    std::map<std::string, std::vector<std::string>> counties;
    for (const auto& r : readCsv(sourceDir / "us-counties.csv", 3)) {
        if (r[1].empty()) throw std::runtime_error("county without a name in " + r[0]);
        counties[r[0]].push_back(r[1]);
    }
    for (const auto& s : kStates) {
        auto it = counties.find(s.code);
        if (it == counties.end())
            throw std::runtime_error(std::string("no counties for ") + s.code);
        lists.push_back({std::string("US ") + s.name + " Counties", std::move(it->second)});
        counties.erase(it);
    }
    if (!counties.empty())
        throw std::runtime_error("counties of an unknown state: " + counties.begin()->first);

    // reference,name,dxcc_prefix. A group spanning several DXCC entities has a row
    // for each; they make one entry, named by the most complete (longest) name given.
    std::map<std::string, std::string> groups;
    std::size_t rows = 0;
    for (const auto& r : readCsv(sourceDir / "iota.csv", 3)) {
        ++rows;
        if (!isIotaReference(r[0])) throw std::runtime_error("bad IOTA reference " + r[0]);
        if (r[1].empty()) throw std::runtime_error("IOTA group without a name: " + r[0]);
        auto [it, inserted] = groups.emplace(r[0], r[1]);
        if (!inserted && r[1].size() > it->second.size()) it->second = r[1];
    }
    std::size_t iotaEntries = 0;
    for (const auto& c : kIota) {
        Award a{c.award, {}};
        for (const auto& [reference, name] : groups) // std::map: reference order
            if (reference.starts_with(c.code)) a.entries.push_back(reference + " " + name);
        iotaEntries += a.entries.size();
        lists.push_back(std::move(a));
    }
    if (iotaEntries != groups.size())
        throw std::runtime_error("IOTA reference of an unknown continent");

    DataWriter out;
    out.number(1).text("Tessalog awards").endLine();
    for (const char* name : kNumberAwards)
        out.number(0).text(name).endLine();
    std::size_t entries = 0;
    for (const auto& a : lists) {
        if (a.entries.empty()) throw std::runtime_error("empty list award " + a.name);
        out.number(static_cast<long long>(a.entries.size())).text(a.name).endLine();
        for (const auto& e : a.entries)
            out.text(e).endLine();
        entries += a.entries.size();
    }
    const std::size_t awards = kNumberAwards.size() + lists.size();
    if (awards > kMaxAwards) throw std::runtime_error("too many awards");
    if (entries > kMaxEntries) throw std::runtime_error("too many award entries");
    log << "awards: " << awards << " (" << kNumberAwards.size() << " number awards, "
        << lists.size() << " list awards), " << entries << " entries; IOTA: " << groups.size()
        << " groups from " << rows << " rows\n";
    return out;
}

} // namespace gendata
