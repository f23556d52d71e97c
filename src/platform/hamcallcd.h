#pragma once
// The HamCall CD library: LookupCallSign reads the tagged record of one call from the CD's
// data folder. One object of this interface is handed to the code that needs it, as the
// dialogs service is; tests use a scripted one. This system has no such library: the
// program's own object reports it absent, and the lookup treats that as the library failing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tsl {

// The size the lookup offers the library for its record, and LookupCallSign's answer for a
// call that is not on the CD.
inline constexpr int16_t hamcallrecordsize = 1500;
inline constexpr int16_t hamcallnotfound = -2;

class HamCallCdLibrary {
  public:
    virtual ~HamCallCdLibrary() = default;
    // Above 0: the call's record stands in the first that many characters of record;
    // hamcallnotfound: the call is not on the CD; any other value of 0 or below: no record.
    // Nothing when the library cannot be loaded or the call fails. record comes with
    // size + 1 characters, the room the library may fill.
    virtual std::optional<int16_t> LookupCallSign(const std::string& path, const std::string& call,
                                                  int16_t size, std::string& record) = 0;
};

// The program's own: no HamCall CD library is installed, so every call fails.
class AbsentHamCallCd : public HamCallCdLibrary {
  public:
    std::optional<int16_t> LookupCallSign(const std::string&, const std::string&, int16_t,
                                          std::string&) override {
        return std::nullopt;
    }
};

} // namespace tsl
