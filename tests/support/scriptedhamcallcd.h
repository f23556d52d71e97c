#pragma once
// A HamCall CD library for tests: LookupCallSign answers as scripted (nothing: the library
// is absent) with the record given, and keeps what it was asked.

#include "platform/hamcallcd.h"

#include <vector>

namespace tsl::test {

class ScriptedHamCallCd : public HamCallCdLibrary {
  public:
    std::optional<int16_t> answer; // LookupCallSign's answer
    std::string record;            // written into the start of the buffer
    struct lookup {
        std::string path, call;
        int16_t size;
        std::size_t room;
    };
    std::vector<lookup> lookups;

    std::optional<int16_t> LookupCallSign(const std::string& path, const std::string& call,
                                          int16_t size, std::string& buffer) override {
        lookups.push_back({path, call, size, buffer.size()});
        if (!answer) return std::nullopt;
        buffer.replace(0, std::min(record.size(), buffer.size()), record.substr(0, buffer.size()));
        return answer;
    }
};

} // namespace tsl::test
