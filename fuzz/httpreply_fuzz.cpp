// An HTTP reply read as its bytes arrive: the first byte of the input sets the size of the
// pieces the rest comes in, and the reader ends in the same state with the same body as
// when it takes the reply whole. A body read is at most 64 KB and comes with a 2xx status;
// a reply that failed says why and keeps no body.

#include "check.h"
#include "platform/httpreply.h"

using namespace tsl;
using namespace tsl::fuzz;

namespace {
void readin(HttpReplyReader& r, std::string_view reply, std::size_t piece) {
    for (std::size_t at = 0; at < reply.size(); at += piece)
        r.take(reply.substr(at, piece));
    r.end();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes = bytesof(data + 1, size - 1);
    const std::size_t piece = data[0] % 64 + 1;
    HttpReplyReader whole, split;
    readin(whole, bytes, bytes.size() + 1);
    readin(split, bytes, piece);
    check(whole.current() != HttpReplyReader::state::reading, "the close ends every reply");
    check(split.current() == whole.current(), "the same state in pieces");
    check(split.body() == whole.body(), "the same body in pieces");
    check(split.failure() == whole.failure(), "the same failure in pieces");
    if (whole.current() == HttpReplyReader::state::done) {
        check(whole.body().size() <= maxreplybytes, "a body of at most 64 KB");
        check(whole.status() >= 200 && whole.status() <= 299, "a body comes with 2xx");
        check(whole.failure() == urlfailure::none, "a reply read has no failure");
    } else {
        check(whole.failure() != urlfailure::none, "a failure says why");
        check(whole.body().empty(), "a failed reply keeps no body");
    }
    return 0;
}
