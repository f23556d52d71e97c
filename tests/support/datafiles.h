#pragma once
// Builders of small data files for tests, in the layouts the program reads.

#include <string>
#include <vector>

namespace tsl::test {

// One entity line of "dxcc.dat": key, 41 prefix slots (the given ones first, the rest
// empty), status, name, continent, zones, position and, unless number < 0, the entity
// number (the older layout has none).
inline std::string dxccline(const std::string& key, const std::vector<std::string>& prefixes,
                            const std::string& status, const std::string& name, int number = 2,
                            const std::string& cont = "NA", const std::string& itu = "8",
                            const std::string& cq = "5", const std::string& lat = "42.5",
                            const std::string& ns = "N", const std::string& lon = "71.25",
                            const std::string& ew = "W") {
    std::string line = "\"" + key + "\"";
    for (std::size_t k = 0; k < 41; ++k)
        line += ",\"" + (k < prefixes.size() ? prefixes[k] : std::string()) + "\"";
    line += ",\"" + status + "\",\"" + name + "\",\"" + cont + "\",\"" + itu + "\",\"" + cq +
            "\"," + lat + ",\"" + ns + "\"," + lon + ",\"" + ew + "\"";
    if (number >= 0) line += "," + std::to_string(number);
    return line + "\r\n";
}

// A small "awards.dat": two number awards, then a list award of three entries.
inline std::string smallawards() {
    return "1,\"Tessalog awards\"\r\n"
           "0,\"Ten-Ten #\"\r\n"
           "0,\"ARLHS #\"\r\n"
           "3,\"Worked All States\"\r\n\"AL Alabama\"\r\n\"AK Alaska\"\r\n\"AZ Arizona\"\r\n";
}

// A small "dxcc.dat" in the current layout: the first entity carries number 2.
inline std::string smalldxcc() {
    return dxccline("A", {"ZZ"}, " ", "Abu Ail Is.", 2, "AS", "39", "21") +
           dxccline("K", {"K", "W", "N", "AA"}, "X", "United States of America", 291, "NA", "6,7,8",
                    "3,4,5") +
           dxccline("VE", {"VE", "VA"}, "C", "Canada", 1, "NA", "2,3,4", "1,2,3");
}

} // namespace tsl::test
