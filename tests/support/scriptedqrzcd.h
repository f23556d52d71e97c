#pragma once
// A QRZ CD library for tests: QRZInit answers as scripted (nothing: the library is absent)
// and counts its calls; QRZSearch answers as scripted with the record given, and keeps
// what it was asked.

#include "platform/qrzcd.h"

#include <vector>

namespace tsl::test {

class ScriptedQrzCd : public QrzCdLibrary {
  public:
    std::optional<int16_t> drive; // QRZInit's answer
    int inits = 0;
    // QRZSearch's answer while the library is there, and the record it then leaves.
    std::optional<int16_t> searchanswer = 0;
    std::string record;
    struct search {
        int16_t kind;
        std::string call, first, second;
        std::size_t room;
        int16_t fields;
    };
    std::vector<search> searches;

    std::optional<int16_t> QRZInit(const std::string&) override {
        ++inits;
        return drive;
    }
    std::optional<int16_t> QRZSearch(int16_t kind, const std::string& call,
                                     const std::string& first, const std::string& second,
                                     std::string& buffer, int16_t fields) override {
        if (!drive) return std::nullopt;
        searches.push_back({kind, call, first, second, buffer.size(), fields});
        if (searchanswer && *searchanswer > 0) buffer = record;
        return searchanswer;
    }
};

} // namespace tsl::test
