#include "tables.h"

#include "state.h"

namespace tsl {

namespace {

void loadmonths(AppState& s) {
    static constexpr std::array<const char*, 13> names = {
        "   ", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static constexpr std::array<const char*, 13> numbers = {
        "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"};
    for (std::size_t i = 0; i < names.size(); ++i)
        s.monthtable[i] = {names[i], numbers[i]};
}

void loadmodes(AppState& s) {
    static const std::array<moderecord, 19> modes = {{{"None", ""},
                                                      {"CW  ", "CW"},
                                                      {"SSB ", "SSB"},
                                                      {"AM  ", "AM"},
                                                      {"FM  ", "FM"},
                                                      {"RTTY", "RTTY"},
                                                      {"SCTV", "SCTV"},
                                                      {"TV  ", "ATV"},
                                                      {"PAC ", "PAC"},
                                                      {"AMT ", "AMT"},
                                                      {"PSK ", "PSK31"},
                                                      {"MGM ", "MGM"},
                                                      {"BPSK", "BPSK"},
                                                      {"QPSK", "QPSK"},
                                                      {"MFSK", "MFSK"},
                                                      {"HELL", "HELL"},
                                                      {"MT63", "MT63"},
                                                      {"PSK6", "PSK6"},
                                                      {"PSK3", "PSK3"}}};
    for (std::size_t i = 0; i < modes.size(); ++i)
        s.modetable[i] = modes[i];
    s.modecount = 18;
}

void loadbands(AppState& s) {
    static const std::array<bandrecord, 27> bands = {{
        {"None    ", 0.0f, 0.0f, 0, "None"},           {"ULF     ", 0.1357f, 0.1378f, 0, "None"},
        {"160 Mtrs", 1.8f, 2.0f, 160, "160m"},         {"80 Mtrs ", 3.5f, 4.0f, 80, "80m"},
        {"75 Extra", 3.75f, 3.775f, 75, "75m"},        {"60 Mtrs ", 5.0f, 5.5f, 60, "60m"},
        {"40 Mtrs ", 7.0f, 7.3f, 40, "40m"},           {"30 Mtrs ", 10.1f, 10.15f, 30, "30m"},
        {"20 Mtrs ", 14.0f, 14.35f, 20, "20m"},        {"17 Mtrs ", 18.0f, 18.168f, 17, "17m"},
        {"15 Mtrs ", 21.0f, 21.45f, 15, "15m"},        {"12 Mtrs ", 24.0f, 24.99f, 12, "12m"},
        {"10 Mtrs ", 28.0f, 29.7f, 10, "10m"},         {"6 Mtrs  ", 50.0f, 54.0f, 6, "6m"},
        {"4 Mtrs  ", 70.0f, 70.5f, 4, "4m"},           {"2 Mtrs  ", 144.0f, 148.0f, 2, "2m"},
        {"220 MHz ", 222.0f, 225.0f, 0, "1.25m"},      {"432 MHz ", 420.0f, 450.0f, 0, "70cm"},
        {"902 MHz ", 902.0f, 928.0f, 0, "35cm"},       {"1.3 GHz ", 1200.0f, 1300.0f, 0, "23cm"},
        {"2.3 GHz ", 2300.0f, 2450.0f, 0, "13cm"},     {"3.3 GHz ", 3300.0f, 3500.0f, 0, "9cm"},
        {"5.6 GHz ", 5650.0f, 5925.0f, 0, "6cm"},      {"10 GHz  ", 10000.0f, 10500.0f, 0, "3cm"},
        {"24 GHz  ", 24000.0f, 24250.0f, 0, "1.25cm"}, {"47 GHz  ", 47000.0f, 47200.0f, 0, "6mm"},
        {"76 GHz  ", 75500.0f, 81000.0f, 0, "4mm"},
    }};
    for (std::size_t i = 0; i < bands.size(); ++i)
        s.bandtable[i] = bands[i];
    s.metrebandlimit = 16;
    s.bandcount = 26;
}

void loadprops(AppState& s) {
    static const std::array<proprecord, 11> props = {{{"None", ""},
                                                      {"Terrestrial", ""},
                                                      {"EME", "EME"},
                                                      {"Tropo", "TR"},
                                                      {"Repeater", ""},
                                                      {"Long path", ""},
                                                      {"Meteor Scatter", "MS"},
                                                      {"Satellite", "SAT"},
                                                      {"E", "AUE"},
                                                      {"F2", "F2"},
                                                      {"Aurora", "AUR"}}};
    for (std::size_t i = 0; i < props.size(); ++i)
        s.proptable[i] = props[i];
    s.propcount = 11;
    s.defaultprop = 1;
}

void loadcontinents(AppState& s) {
    static constexpr std::array<std::array<const char*, 2>, 8> continents = {
        {{"", ""},
         {"AF", "Africa"},
         {"AN", "Antarctica"},
         {"AS", "Asia"},
         {"EU", "Europe"},
         {"NA", "North America"},
         {"OC", "Ociana"},
         {"SA", "South America"}}};
    for (std::size_t i = 0; i < continents.size(); ++i)
        s.continenttable[i] = {continents[i][0], continents[i][1]};
    s.continentcount = 8;
}

void loadstates(AppState& s) {
    struct state {
        const char* code;
        const char* zone;
        const char* name;
    };
    static constexpr std::array<state, 50> states = {{
        {"AL", "4", "Alabama"},        {"AK", "1", "Alaska"},        {"AZ", "3", "Arizona "},
        {"AR", "4", "Arkansas"},       {"CA", "3", "California"},    {"CO", "4", "Colorado"},
        {"CT", "5", "Connecticut"},    {"DE", "5", "Delaware"},      {"FL", "5", "Florida"},
        {"GA", "5", "Georgia"},        {"HI", "31", "Hawaii"},       {"ID", "3", "Idaho"},
        {"IL", "4", "Illinois"},       {"IN", "5", "Indiana"},       {"IA", "4", "Iowa"},
        {"KS", "4", "Kansas"},         {"KY", "4", "Kentucky"},      {"LA", "4", "Louisiana"},
        {"ME", "5", "Maine"},          {"MD", "5", "Maryland"},      {"MA", "5", "Massachusetts"},
        {"MI", "4", "Michigan"},       {"MN", "4", "Minnesota"},     {"MS", "4", "Mississippi"},
        {"MO", "4", "Missouri"},       {"MT", "4", "Montana"},       {"NE", "4", "Nebraska"},
        {"NV", "3", "Nevada"},         {"NH", "5", "New Hampshire"}, {"NJ", "5", "New Jersey"},
        {"NM", "4", "New Mexico"},     {"NY", "5", "New York"},      {"NC", "5", "North Carolina"},
        {"ND", "4", "North Dakota"},   {"OH", "4", "Ohio"},          {"OK", "4", "Oklahoma"},
        {"OR", "3", "Oregon"},         {"PA", "5", "Pennsylvania"},  {"RI", "5", "Rhode Island"},
        {"SC", "5", "South Carolina"}, {"SD", "4", "South Dakota"},  {"TN", "4", "Tennessee"},
        {"TX", "4", "Texas"},          {"UT", "3", "Utah"},          {"VT", "5", "Vermont"},
        {"VA", "5", "Virginia"},       {"WA", "3", "Washington"},    {"WV", "5", "West Virginia"},
        {"WI", "4", "Wisconsin"},      {"WY", "4", "Wyoming"},
    }};
    for (std::size_t i = 0; i < states.size(); ++i)
        s.statetable[i] = {states[i].code, states[i].zone, states[i].name};
}

void loadprovinces(AppState& s) {
    struct province {
        const char* text;
        const char* code;
        const char* zone;
    };
    static constexpr std::array<province, 13> provinces = {{
        {"VE1 Nova Scotia", "NS", "5"},
        {"VE1-VE9 New Brunswick", "NB", "5"},
        {"VE2 Quebec", "QC", "2"},
        {"VE3 Ontario", "ON", "4"},
        {"VE4 Manitoba", "MB", "4"},
        {"VE5 Saskatchewan", "SK", "4"},
        {"VE6 Alberta", "AB", "4"},
        {"VE7 British Columbia", "BC", "3"},
        {"VE8 North West Territories", "NT", "1"},
        {"VO1-VO2 Newfoundland-Labrador", "NL", "5"},
        {"VY0 Nunavut", "NU", "2"},
        {"VY1 Yukon", "YK", "1"},
        {"VY2-VE1 Prince Edward Island", "PE", "5"},
    }};
    for (std::size_t i = 0; i < provinces.size(); ++i) {
        s.provincetable[i] = provinces[i].text;
        s.provincecodes[i] = {provinces[i].code, provinces[i].zone};
    }
}

} // namespace

void loadtables(AppState& state) {
    loadmonths(state);
    loadmodes(state);
    state.propgroupfilter = 11;
    loadbands(state);
    loadprops(state);
    loadcontinents(state);
    state.mobileqthindex = 1;
    loadstates(state);
    loadprovinces(state);
}

} // namespace tsl
