#pragma once
// Requests to the online services (HamCall, QRZ, eQSL) go through one object of this
// interface, handed to the code that needs it, as the dialogs service is. One GET at a
// time: the caller waits for the whole reply body or a failure. The base URLs of the three
// services are the object's settings, so that a test server can stand in for them.

#include <cstddef>
#include <string>
#include <string_view>

namespace tsl {

// A value for a query: every byte but the letters, digits and "-._~" as "%XX", so that no
// character of a user name, password or call can cut or change the request.
inline std::string queryvalue(std::string_view bytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
            u == '-' || u == '.' || u == '_' || u == '~') {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(hex[u >> 4]);
            out.push_back(hex[u & 15]);
        }
    }
    return out;
}

// Scheme and host of each service, without a trailing "/"; a request appends its path.
struct ServiceUrls {
    std::string hamcall = "https://hamcall.net";
    std::string qrz = "https://xmldata.qrz.com";
    std::string eqsl = "https://www.eqsl.cc";
};

// The longest reply taken: a longer one is a failed request.
inline constexpr std::size_t maxreplybytes = 64 * 1024;

// An HTTP status outside 2xx (a redirection among them, which is never followed) is
// httpstatus; a reply longer than maxreplybytes is toolong.
enum class urlfailure { none, noconnection, timedout, httpstatus, toolong };

struct UrlReply {
    urlfailure failure = urlfailure::none;
    int status = 0;    // the HTTP status, when one arrived
    std::string body;  // the reply body in the program's code page
    std::string bytes; // the reply body as it arrived, for replies that are not UTF-8 text
    bool ok() const { return failure == urlfailure::none; }
};

class InternetAccess {
  public:
    virtual ~InternetAccess() = default;
    // One GET of the complete, already escaped URL. Blocks until the reply is complete or
    // the transfer fails; an HTTP status other than 2xx and a reply too long are failures.
    virtual UrlReply OpenURL(const std::string& url) = 0;

    ServiceUrls urls;
};

} // namespace tsl
