// A HamCall tagged record: its fields hold no tag and no control character and at most
// 200 characters, its locator is a Maidenhead locator or empty, and laid out again (the call,
// each field behind its tag, a last byte) they read the same. A record refused holds no tag.
// A reply of the online service is a record only when it begins with a call: 3 to 12
// letters, digits and "/" up to the first tag.

#include "callbook/hamcall.h"
#include "check.h"

#include <algorithm>
#include <cctype>

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesof(data, size);
    const auto reply = readhamcallreply(bytes);
    const auto first = readhamcallrecord(bytes);
    if (!refused(reply)) {
        check(static_cast<bool>(first) && reply->fields == first->fields, "a reply is a record");
        const std::size_t tag = static_cast<std::size_t>(
            std::find_if(bytes.begin(), bytes.end(),
                         [](char c) { return static_cast<unsigned char>(c) >= 181; }) -
            bytes.begin());
        check(tag >= 3 && tag <= 12, "a reply begins with a call of 3 to 12 characters");
        for (std::size_t i = 0; i < tag; ++i) {
            const char c = bytes[i];
            check(std::isalnum(static_cast<unsigned char>(c)) || c == '/', "a call's character");
        }
    }
    if (refused(first)) {
        check(refused(reply), "a reply that is no record is refused");
        for (const char c : bytes)
            check(static_cast<unsigned char>(c) < 181, "a record with a tag is read");
        return 0;
    }
    for (const std::string& field : first->fields) {
        check(field.size() <= 200, "a field holds at most 200 characters");
        for (const char c : field) {
            const auto u = static_cast<unsigned char>(c);
            check(u >= 0x20 && u != 0x7f && u < 181, "no control character and no tag");
        }
    }
    check((*first)[202].empty() || maidenhead((*first)[202]), "a locator or none");
    for (int n = 0; n < 181; ++n)
        check((*first)[n].empty(), "no tag numbers a field below 181");
    std::string again = (*first)[181];
    for (int tag = 182; tag <= 254; ++tag)
        if (!(*first)[tag].empty()) again += static_cast<char>(tag) + (*first)[tag];
    again += static_cast<char>(255) + (*first)[255] + "\n";
    const auto second = readhamcallrecord(again);
    check(static_cast<bool>(second), "the laid-out record reads");
    check(second->fields == first->fields, "fields");
    return 0;
}
