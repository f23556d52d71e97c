// The eQSL service's reply, as the internet layer hands it over (UTF-8 read into the code
// page): either the QSO added, or at most one text to show, cut and free of control
// characters, taken from the last "Error:" line, else the last "Warning:" line.

#include "callbook/eqslupload.h"
#include "check.h"
#include "platform/codepage.h"
#include "platform/internet.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > maxreplybytes) return 0; // the layer takes no longer reply
    const std::string reply = fromutf8(bytesof(data, size));
    const EqslAnswer answer = readeqslreply(reply);
    const bool error = reply.find("Error:") != std::string::npos;
    const bool warning = reply.find("Warning:") != std::string::npos;
    if (answer.added) {
        check(reply.find("Result: 1 out of 1") != std::string::npos, "added only when it says so");
        check(!answer.message, "an added QSO shows nothing");
        return 0;
    }
    check(answer.message.has_value() == (error || warning), "a text exactly when a marker stands");
    if (!answer.message) return 0;
    const std::string& text = *answer.message;
    check(!text.empty() && text.size() <= maxshowntext, "the text shown is cut");
    const std::string marker = error ? "Error:" : "Warning:";
    check(marker.compare(0, std::min(text.size(), marker.size()), text, 0,
                         std::min(text.size(), marker.size())) == 0,
          "the text begins with its marker");
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        check(u >= 32 && u != 127, "no control character is shown");
    }
    return 0;
}
