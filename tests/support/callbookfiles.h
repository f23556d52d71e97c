#pragma once
// The local call book of the tests: a hand-made "calls.dat" and a "zip.dat" of 42171
// records in key order, generated around the hand-made records of the tests' zip codes.

#include <set>
#include <string>
#include <vector>

namespace tsl::test {

inline std::string padded(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

// One "calls.dat" record of 156 bytes: key, class letter, name, street and city line.
inline std::string callsline(const std::string& key, char licence, const std::string& name,
                             const std::string& street, const std::string& city) {
    return " " + padded(key, 6) + licence + padded(name, 50) + padded(street, 60) +
           padded(city, 35) + " \r\n";
}

// Record 1: the count and blanks.
inline std::string callscountline(int count) {
    return padded(std::to_string(count), 154) + "\r\n";
}

// The six calls in order of their keys (the file holds one key in small letters).
inline std::string handmadecalls() {
    return callscountline(6) +
           callsline("KB1XYZ", 'G', "Ann Example", "10 Post Rd", "Fairfield, CT 06824") +
           callsline("N1XX", 'Q', "Ned Nocomma", "1 River St", "Troy NY 12180") +
           callsline("VE3ABC", 'A', "Jean Tremblay", "12 King St W", "Toronto, ON M5V 2T6") +
           callsline("w1aw", 'c', "Hiram Maxim Memorial Station", "225 Main St",
                     "Newington, CT 06111") +
           callsline("W9JNK", 'E', "Bob\tSmith\x01", "9 Junk Rd\x7f", "Junk, IL 60000") +
           callsline("WB2MIS", 'E', "Mia Missing", "5 Elm St", "Nowhere, NY 22222");
}

// One "zip.dat" record of 45 bytes.
inline std::string zipline(const std::string& key, const std::string& county,
                           const std::string& lat, const std::string& lon) {
    return " " + padded(key, 5) + padded(county, 25) + padded(lat, 5) + padded(lon, 6) + " \r\n";
}

// The zip codes 06111, 06824, 60000 and 06112 under their keys (each digit's nines'
// complement, in reverse order): odd keys, which the even keys of the filler records never
// meet.
inline std::vector<std::string> handmadezips() {
    return {zipline("88839", "HARTFORD", "41.69", "72.73"),
            zipline("57139", "Fairfield", "41.14", "73.26"),
            zipline("99993", "COOK\tCOUNTY", "ab.cd", "87.65"),
            zipline("78839", "Blank Inside", "4 1.6", "72.73")};
}

// 42171 records in key order: the hand-made ones and even keys from "00000" up.
inline std::string generatedzip() {
    std::set<std::string> records;
    for (const std::string& r : handmadezips())
        records.insert(r);
    for (int k = 0; records.size() < 42171; k += 2) {
        std::string key = std::to_string(k);
        key.insert(0, 5 - key.size(), '0');
        records.insert(zipline(key, "County " + key, "40.00", "100.00"));
    }
    std::string out;
    for (const std::string& r : records)
        out += r;
    return out;
}

} // namespace tsl::test
