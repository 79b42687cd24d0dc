// What the fetches read from outside: an address as typed or stored, and an HTTP answer as its
// bytes arrive, from a server that may be broken or hostile.
#include <gtest/gtest.h>

#include "util/HttpResponse.h"
#include "util/WebAddress.h"

namespace {

TEST(Address, OneReadingForEveryCaller) {
    struct Case {
        const char* text;
        const char* kept;  // Address::text
        bool web;
        bool fetchable;
        const char* target;
        int port;
    };
    const Case cases[] = {
        {"  https://www.ecb.europa.eu/x.xml \t", "https://www.ecb.europa.eu/x.xml", true, true,
         "/x.xml", 443},
        {"HTTP://127.0.0.1:8080/a?b=1#frag", "HTTP://127.0.0.1:8080/a?b=1", true, true, "/a?b=1",
         8080},
        {"http://example.org", "http://example.org", true, true, "/", 80},
        {"http://example.org?q", "http://example.org?q", true, true, "/?q", 80},
        {"http://[::1]:81/a b\"c", "http://[::1]:81/a b\"c", true, true, "/a%20b%22c", 81},
        {"http://h/\xC3\xA9", "http://h/\xC3\xA9", true, true, "/%C3%A9", 80},
        // Local paths, also those that begin with or hold "http".
        {" C:\\Koersen\\daily.xml ", "C:\\Koersen\\daily.xml", false, false, "", 0},
        {"httpdocs\\rates.xml", "httpdocs\\rates.xml", false, false, "", 0},
        {"http:/one-slash.xml", "http:/one-slash.xml", false, false, "", 0},
        {"ftp://a/b", "ftp://a/b", false, false, "", 0},
        // Web addresses that cannot be requested.
        {"http://", "http://", true, false, "", 0},
        {"https://user:pw@host/", "https://user:pw@host/", true, false, "", 0},
        {"http://host:0/", "http://host:0/", true, false, "", 0},
        {"http://host:65536/", "http://host:65536/", true, false, "", 0},
        {"http://ho st/", "http://ho st/", true, false, "", 0},
        {"http://host/a\r\nX: y", "http://host/a\r\nX: y", true, false, "", 0},
    };
    for (const Case& c : cases) {
        const Address a = ReadAddress(c.text);
        EXPECT_EQ(a.text, c.kept) << c.text;
        EXPECT_EQ(a.web, c.web) << c.text;
        ASSERT_EQ(a.parts.has_value(), c.fetchable) << c.text;
        if (!a.parts) continue;
        EXPECT_EQ(a.parts->target, c.target) << c.text;
        EXPECT_EQ(a.parts->port, c.port) << c.text;
    }
    EXPECT_EQ(HostHeader(*ReadAddress("https://a.example/").parts), "a.example");
    EXPECT_EQ(HostHeader(*ReadAddress("http://[::1]:81/").parts), "[::1]:81");
}

TEST(Address, Redirections) {
    const WebAddress from = *ReadAddress("https://a.example/dir/file.xml?x=1").parts;
    struct Case {
        const char* location;
        const char* expected;  // host + target, or "" for none
    };
    const Case cases[] = {
        {"https://b.example/new#f", "b.example/new"},
        {"//c.example/p", "c.example/p"},
        {"/root.xml", "a.example/root.xml"},
        {"other.xml", "a.example/dir/other.xml"},
        {"http://b.example/", ""},  // never from https down to http
        {"/a\nb", ""},
    };
    for (const Case& c : cases) {
        const std::optional<WebAddress> to = FollowRedirect(from, c.location);
        EXPECT_EQ(to ? to->host + to->target : "", c.expected) << c.location;
    }
}

struct Answer {
    bool complete;
    HttpFault fault;
    int status;
    std::string body;
};

// Every answer is fed whole, byte by byte and in two halves: the result must not depend on how
// the bytes arrive.
Answer Read(const std::string& bytes, bool end, HttpLimits limits = {}) {
    Answer first{};
    for (std::size_t piece : {bytes.size() + 1, std::size_t{1}, bytes.size() / 2 + 1}) {
        HttpResponseReader reader(limits);
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            reader.Feed(std::string_view(bytes).substr(at, piece));
        }
        if (end) reader.End();
        const Answer got{reader.Complete(), reader.Fault(), reader.Status(), reader.TakeBody()};
        if (piece == bytes.size() + 1) {
            first = got;
        } else {
            EXPECT_EQ(got.complete, first.complete) << bytes << " in pieces of " << piece;
            EXPECT_EQ(got.fault, first.fault) << bytes << " in pieces of " << piece;
            EXPECT_EQ(got.body, first.body) << bytes << " in pieces of " << piece;
        }
    }
    return first;
}

TEST(HttpAnswer, CompleteOrNothing) {
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    struct Case {
        std::string bytes;
        bool end;  // the connection closed after them
        Answer expected;
        const char* covers;
    };
    const Case cases[] = {
        {ok + "Content-Length: 5\r\n\r\nhello",
         false,
         {true, HttpFault::None, 200, "hello"},
         "announced length"},
        {ok + "content-length: 5\r\n\r\nhello and more",
         false,
         {true, HttpFault::None, 200, "hello"},
         "bytes after the answer are ignored"},
        {ok + "Content-Length: 10\r\n\r\nhello",
         true,
         {false, HttpFault::Cut, 200, ""},
         "fewer bytes than announced"},
        {ok + "Connection: close\r\n\r\nto the end",
         true,
         {true, HttpFault::None, 200, "to the end"},
         "no length: the end of the connection"},
        {ok + "Connection: close\r\n\r\nnot yet",
         false,
         {false, HttpFault::None, 200, ""},
         "no length, connection still open"},
        {ok +
             "Transfer-Encoding: chunked\r\n\r\n5;x=y\r\nhello\r\n6\r\n world\r\n0\r\nT: 1\r\n\r\n",
         false,
         {true, HttpFault::None, 200, "hello world"},
         "chunks with an extension and a trailer"},
        {ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n",
         true,
         {false, HttpFault::Cut, 200, ""},
         "chunked answer cut before its last chunk"},
        {ok + "Transfer-Encoding: chunked\r\nContent-Length: 3\r\n\r\n1\r\na\r\n0\r\n\r\n",
         false,
         {true, HttpFault::None, 200, "a"},
         "chunks win over a length"},
        {ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhelloX\r\n",
         false,
         {false, HttpFault::Malformed, 200, ""},
         "chunk longer than its size"},
        {ok + "Transfer-Encoding: chunked\r\n\r\nzz\r\n",
         false,
         {false, HttpFault::Malformed, 200, ""},
         "chunk size that is no number"},
        {ok + "Transfer-Encoding: gzip\r\n\r\nxx",
         true,
         {false, HttpFault::Malformed, 200, ""},
         "an encoding without chunks has no end we can tell"},
        {ok + "Content-Length: 2\r\nContent-Length: 3\r\n\r\nabc",
         false,
         {false, HttpFault::Malformed, 200, ""},
         "two different lengths"},
        {ok + "Content-Length: 0\r\n\r\n", false, {true, HttpFault::None, 200, ""}, "empty body"},
        {"HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 1\r\n\r\nx",
         false,
         {true, HttpFault::None, 200, "x"},
         "informational answer first"},
        {"HTTP/1.1 304 Not Modified\r\n\r\n", false, {true, HttpFault::None, 304, ""}, "no body"},
        {"\r\nHTTP/1.0 404 Not Found\r\n\r\ngone",
         true,
         {true, HttpFault::None, 404, "gone"},
         "a blank line first, an HTTP/1.0 status"},
        {"<html>captive portal</html>\r\n\r\n",
         true,
         {false, HttpFault::Malformed, 0, ""},
         "no HTTP at all"},
        {"HTTP/1.1 200 OK\r\nNo colon here\r\n\r\n",
         true,
         {false, HttpFault::Malformed, 200, ""},
         "header without a colon"},
        {"HTTP/1.1 200", true, {false, HttpFault::Cut, 0, ""}, "status line cut"},
        {"", true, {false, HttpFault::Cut, 0, ""}, "no byte at all"},
    };
    for (const Case& c : cases) {
        const Answer got = Read(c.bytes, c.end);
        EXPECT_EQ(got.complete, c.expected.complete) << c.covers;
        EXPECT_EQ(got.fault, c.expected.fault) << c.covers;
        EXPECT_EQ(got.body, c.expected.body) << c.covers;
        if (c.expected.status != 0) {
            EXPECT_EQ(got.status, c.expected.status) << c.covers;
        }
    }
}

TEST(HttpAnswer, Limits) {
    const HttpLimits small{.maxHeaderBytes = 100, .maxBodyBytes = 10};
    struct Case {
        std::string bytes;
        HttpFault fault;
        const char* covers;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\nX: " + std::string(200, 'a'), HttpFault::HeadersTooLarge,
         "headers that never end"},
        {"HTTP/1.1 100 Continue\r\nX: " + std::string(40, 'b') +
             "\r\n\r\nHTTP/1.1 100 Continue\r\nX: " + std::string(40, 'c') + "\r\n\r\n",
         HttpFault::HeadersTooLarge, "informational answers count too"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 11\r\n\r\n", HttpFault::BodyTooLarge,
         "announced body too large"},
        {"HTTP/1.1 200 OK\r\n\r\n" + std::string(11, 'x'), HttpFault::BodyTooLarge,
         "sent body too large"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6\r\nxxxxxx\r\n6\r\n",
         HttpFault::BodyTooLarge, "chunks adding up too large"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nfffffffffffffffff\r\n",
         HttpFault::BodyTooLarge, "chunk size beyond any number"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0\r\nT: " + std::string(90, 't'),
         HttpFault::HeadersTooLarge, "trailers count with the headers"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.bytes, false, small).fault, c.fault) << c.covers;
}

}  // namespace
