#pragma once
// The reader of an HTTP/1.x reply as its bytes arrive from the connection: the status line
// and header, then the body, whole or in chunks or up to the end of the connection. The head
// and the body are each bounded, so a hostile server cannot make the program take in more
// than a few times the bound, however long it talks.

#include "internet.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tsl {

// The longest head taken, from the status line to the blank line that ends the header.
inline constexpr std::size_t maxheadbytes = 64 * 1024;

class HttpReplyReader {
  public:
    enum class state { reading, done, failed };

    // Takes the next bytes of the connection: the state after them. Once done or failed,
    // further bytes change nothing.
    state take(std::string_view bytes);
    // The server has closed the connection: a reply that ends with it is done, one cut
    // short has failed.
    state end();

    state current() const { return state_; }
    // The status of the final reply (interim 1xx replies passed over), 0 before it is read.
    int status() const { return status_; }
    // Why the reply failed: noconnection for a reply that is no HTTP or is cut short,
    // httpstatus for a status outside 2xx, toolong for a head or body beyond its bound.
    urlfailure failure() const { return failure_; }
    // The body once done.
    const std::string& body() const { return body_; }

  private:
    enum class part { head, sized, chunksize, chunkdata, chunkend, trailer, toclose };

    state fail(urlfailure why);
    state readhead();
    state readbody();
    // One line of pending_ (without its CR LF), or false while it has not yet come whole.
    bool takeline(std::string& line, std::size_t most);

    state state_ = state::reading;
    part part_ = part::head;
    urlfailure failure_ = urlfailure::none;
    int status_ = 0;
    std::string pending_;       // bytes taken but not yet read
    std::size_t scanned_ = 0;   // how far pending_ has been searched for the end of the head
    std::size_t remaining_ = 0; // bytes left of a sized body or of the current chunk
    std::size_t trailerbytes_ = 0;
    std::string body_;
};

} // namespace tsl
