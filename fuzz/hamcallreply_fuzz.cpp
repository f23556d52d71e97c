// A HamCall tagged record: its fields hold no tag and no control character and at most
// 200 characters, and laid out again (the call, each field behind its tag, a last byte) they
// read the same. A record refused holds no tag.

#include "callbook/hamcall.h"
#include "check.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesof(data, size);
    const auto first = readhamcallrecord(bytes);
    if (refused(first)) {
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
