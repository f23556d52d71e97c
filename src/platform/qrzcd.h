#pragma once
// The QRZ CD library: QRZInit finds the CD, QRZSearch reads the record of one call. One
// object of this interface is handed to the code that needs it, as the dialogs service is;
// tests use a scripted one. This system has no such library: the program's own object
// reports it absent, and each caller treats that as the library failing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tsl {

// QRZInit's answers other than a drive letter's character code.
inline constexpr int16_t qrzcdinuse = -1;
inline constexpr int16_t qrzcdnotfound = 0;

// The size of the buffer QRZSearch writes its record into.
inline constexpr std::size_t qrzrecordsize = 256;

class QrzCdLibrary {
  public:
    virtual ~QrzCdLibrary() = default;
    // qrzcdinuse, qrzcdnotfound, or the character code of the CD's drive letter; nothing
    // when the library cannot be loaded or the call fails.
    virtual std::optional<int16_t> QRZInit(const std::string& path) = 0;
    // Above 0 when the call was found: record then holds it (at most qrzrecordsize
    // characters); 0 or below when it was not; nothing when the call fails.
    virtual std::optional<int16_t> QRZSearch(int16_t kind, const std::string& call,
                                             const std::string& first, const std::string& second,
                                             std::string& record, int16_t fields) = 0;
};

// The program's own: no QRZ CD library is installed, so every call fails.
class AbsentQrzCd : public QrzCdLibrary {
  public:
    std::optional<int16_t> QRZInit(const std::string&) override { return std::nullopt; }
    std::optional<int16_t> QRZSearch(int16_t, const std::string&, const std::string&,
                                     const std::string&, std::string&, int16_t) override {
        return std::nullopt;
    }
};

} // namespace tsl
