#include "platform/httpreply.h"

#include <gtest/gtest.h>

#include <string>

using namespace tsl;

namespace {

using st = HttpReplyReader::state;

struct Read {
    st state;
    int status;
    urlfailure failure;
    std::string body;
};

// The reply handed to a reader in pieces of the given size, then the connection closed
// when closed is true.
Read readin(const std::string& reply, std::size_t piece, bool closed = true) {
    HttpReplyReader r;
    for (std::size_t at = 0; at < reply.size(); at += piece)
        r.take(std::string_view(reply).substr(at, piece));
    if (closed) r.end();
    return {r.current(), r.status(), r.failure(), r.body()};
}

// The same result whatever pieces the connection delivers the reply in.
Read read(const std::string& reply, bool closed = true) {
    const Read whole = readin(reply, reply.size() + 1, closed);
    for (const std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{7}}) {
        const Read split = readin(reply, piece, closed);
        EXPECT_EQ(split.state, whole.state) << piece << " " << reply.substr(0, 40);
        EXPECT_EQ(split.body, whole.body) << piece << " " << reply.substr(0, 40);
        EXPECT_EQ(split.failure, whole.failure) << piece << " " << reply.substr(0, 40);
    }
    return whole;
}

} // namespace

TEST(HttpReply, BodiesOfAKnownLengthInChunksAndUpToTheClose) {
    Read r = read("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello, and more", false);
    EXPECT_EQ(r.state, st::done); // done at its length, before the close
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "hello");

    r = read("HTTP/1.1 200 OK\r\ncontent-length:  3 \r\n\r\nabc");
    EXPECT_EQ(r.body, "abc");

    // Chunks, with an extension and a trailer; the chunks are the body.
    r = read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
             "5;name=x\r\nResul\r\nD\r\nt: 1 out of 1\r\n0\r\nX-Sum: 1\r\n\r\n",
             false);
    EXPECT_EQ(r.state, st::done);
    EXPECT_EQ(r.body, "Result: 1 out of 1");
    // Chunks win over a length.
    r = read("HTTP/1.1 200 OK\r\nContent-Length: 99\r\nTransfer-Encoding: Chunked\r\n\r\n"
             "2\r\nok\r\n0\r\n\r\n");
    EXPECT_EQ(r.body, "ok");

    // Without either the body runs to the close; lines may end in LF alone.
    r = read("HTTP/1.0 200 OK\nServer: old\n\nW1AW\xb8Hiram\n");
    EXPECT_EQ(r.state, st::done);
    EXPECT_EQ(r.body, "W1AW\xb8Hiram\n");
    EXPECT_EQ(readin("HTTP/1.0 200 OK\r\n\r\nsome", 100, false).state, st::reading);

    // An interim reply is passed over; 204 has no body.
    r = read("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "ok");
    r = read("HTTP/1.1 204 No Content\r\n\r\n", false);
    EXPECT_EQ(r.state, st::done);
    EXPECT_EQ(r.body, "");
}

TEST(HttpReply, StatusesOutside2xxAndRepliesThatAreNoHttpFail) {
    for (const char* head : {"HTTP/1.1 302 Found\r\nLocation: http://elsewhere/\r\n\r\n",
                             "HTTP/1.1 500 Error\r\nContent-Length: 4\r\n\r\noops",
                             "HTTP/1.1 101 Switching Protocols\r\n\r\n"}) {
        const Read r = read(head, false);
        EXPECT_EQ(r.state, st::failed) << head;
        EXPECT_EQ(r.failure, urlfailure::httpstatus) << head;
        EXPECT_EQ(r.body, "") << head;
    }
    EXPECT_EQ(read("HTTP/1.1 302 Found\r\n\r\n").status, 302);

    for (const char* reply :
         {"", "<html>W1AW</html>\r\n\r\n", "HTTP/2 200 OK\r\n\r\nok", "HTTP/1.1 20 OK\r\n\r\nok",
          "HTTP/1.1 2000 OK\r\n\r\nok", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhell",
          "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\nhello!",
          "HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nhello",
          "HTTP/1.1 200 OK\r\nContent-Length: 0x5\r\n\r\nhello",
          "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\nhello",
          "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n2\r\nok\r\n0\r\n\r\n",
          "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nok\r\n0\r\n\r\n",
          "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nokay\r\n0\r\n\r\n",
          "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\n",
          "HTTP/1.1 200 OK\r\nContent-Le"}) {
        const Read r = read(reply);
        EXPECT_EQ(r.state, st::failed) << reply;
        EXPECT_EQ(r.failure, urlfailure::noconnection) << reply;
        EXPECT_EQ(r.body, "") << reply;
    }
}

TEST(HttpReply, HeadAndBodyAreBoundedAsTheyArrive) {
    const std::string filler(maxheadbytes, 'a');
    // A head just within its bound reads; one byte more fails, whether or not it ends.
    const std::string ok = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n";
    const std::string fits =
        ok + "X: " + filler.substr(0, maxheadbytes - ok.size() - 7) + "\r\n\r\n";
    ASSERT_EQ(fits.size(), maxheadbytes);
    EXPECT_EQ(read(fits + "ok").body, "ok");
    EXPECT_EQ(
        read(ok + "X: " + filler.substr(0, maxheadbytes - ok.size() - 6) + "\r\n\r\nok").failure,
        urlfailure::toolong);
    HttpReplyReader endless;
    endless.take("HTTP/1.1 200 OK\r\nX: ");
    for (int i = 0; i < 100 && endless.current() == st::reading; ++i)
        endless.take(std::string(1000, 'a'));
    EXPECT_EQ(endless.current(), st::failed);
    EXPECT_EQ(endless.failure(), urlfailure::toolong);

    // The body: a length beyond the bound fails at the head; so do chunks and a body up to
    // the close as soon as they pass it. A body of the bound itself is read.
    const std::string most(maxreplybytes, 'x');
    EXPECT_EQ(read("HTTP/1.1 200 OK\r\nContent-Length: 65537\r\n\r\n", false).failure,
              urlfailure::toolong);
    EXPECT_EQ(
        read("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\n", false).failure,
        urlfailure::toolong);
    EXPECT_EQ(read("HTTP/1.1 200 OK\r\n\r\n" + most).body.size(), maxreplybytes);
    EXPECT_EQ(read("HTTP/1.1 200 OK\r\n\r\n" + most + "x", false).failure, urlfailure::toolong);
    EXPECT_EQ(read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n8000\r\n" +
                       most.substr(0, 0x8000) + "\r\n8001\r\n",
                   false)
                  .failure,
              urlfailure::toolong);
    EXPECT_EQ(
        read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nffffffffffffffffffff\r\n", false)
            .failure,
        urlfailure::toolong);
    // A chunk-size line or a trailer without end is no reply either.
    EXPECT_EQ(read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + std::string(2000, '0'),
                   false)
                  .failure,
              urlfailure::noconnection);
    EXPECT_EQ(read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0\r\nX: " + filler, false)
                  .failure,
              urlfailure::toolong);
}
