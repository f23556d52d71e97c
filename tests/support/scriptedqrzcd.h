#pragma once
// A QRZ CD library for tests: QRZInit answers as scripted (nothing: the library is absent)
// and counts its calls; no call is on the CD.

#include "platform/qrzcd.h"

namespace tsl::test {

class ScriptedQrzCd : public QrzCdLibrary {
  public:
    std::optional<int16_t> drive; // QRZInit's answer
    int inits = 0;

    std::optional<int16_t> QRZInit(const std::string&) override {
        ++inits;
        return drive;
    }
    std::optional<int16_t> QRZSearch(int16_t, const std::string&, const std::string&,
                                     const std::string&, std::string&, int16_t) override {
        if (!drive) return std::nullopt;
        return 0;
    }
};

} // namespace tsl::test
