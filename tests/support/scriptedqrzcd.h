#pragma once
// A QRZ CD library for tests: QRZInit answers as scripted (nothing: the library is absent),
// and every call is recorded.

#include "platform/qrzcd.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tsl::test {

class ScriptedQrzCd : public QrzCdLibrary {
  public:
    std::optional<int16_t> drive;               // QRZInit's answer
    std::map<std::string, std::string> records; // QRZSearch's record of each call
    int inits = 0;
    std::vector<std::string> searched;

    std::optional<int16_t> QRZInit(const std::string&) override {
        ++inits;
        return drive;
    }
    std::optional<int16_t> QRZSearch(int16_t, const std::string& call, const std::string&,
                                     const std::string&, std::string& record, int16_t) override {
        searched.push_back(call);
        if (!drive) return std::nullopt;
        const auto found = records.find(call);
        if (found == records.end()) return 0;
        record = found->second.substr(0, qrzrecordsize);
        return 1;
    }
};

} // namespace tsl::test
