// What the fetches read from outside: an address as typed or stored, and an HTTP answer as its
// bytes arrive from a server that may be broken or hostile.
#include <gtest/gtest.h>

#include "util/HttpResponse.h"
#include "util/WebAddress.h"

namespace {

TEST(Address, OneReadingForEveryCaller) {
    struct Case {
        const char* text;
        const char* kept;    // Address::text
        const char* target;  // nullptr: a local path; "": a web address we cannot request
        int port;
    };
    const Case cases[] = {
        {" https://www.ecb.europa.eu/x.xml \t", "https://www.ecb.europa.eu/x.xml", "/x.xml", 443},
        {"HTTP://127.0.0.1:8080/a?b=1#frag", "HTTP://127.0.0.1:8080/a?b=1", "/a?b=1", 8080},
        {"http://[::1]:81/a b\"\xC3\xA9", "http://[::1]:81/a b\"\xC3\xA9", "/a%20b%22%C3%A9", 81},
        {" C:\\Koersen\\daily.xml ", "C:\\Koersen\\daily.xml", nullptr, 0},
        {"httpdocs\\rates.xml", "httpdocs\\rates.xml", nullptr, 0},
        {"http://", "http://", "", 0},
        {"https://user:pw@host/", "https://user:pw@host/", "", 0},
        {"http://host:65536/", "http://host:65536/", "", 0},
        {"http://host/a\r\nX: y", "http://host/a\r\nX: y", "", 0},
    };
    for (const Case& c : cases) {
        const Address a = ReadAddress(c.text);
        EXPECT_EQ(a.text, c.kept) << c.text;
        EXPECT_EQ(a.web, c.target != nullptr) << c.text;
        EXPECT_EQ(a.parts ? a.parts->target : "", c.target ? c.target : "") << c.text;
        EXPECT_EQ(a.parts ? a.parts->port : 0, c.port) << c.text;
    }
    EXPECT_EQ(HostHeader(*ReadAddress("http://[::1]:81/").parts), "[::1]:81");

    const WebAddress from = *ReadAddress("https://a.example/dir/file.xml?x=1").parts;
    const std::pair<const char*, const char*> redirections[] = {
        {"https://b.example/new#f", "b.example/new"},
        {"//c.example/p", "c.example/p"},
        {"/root.xml", "a.example/root.xml"},
        {"other.xml", "a.example/dir/other.xml"},
        {"http://b.example/", ""},  // never from https down to http
        {"/a\nb", ""},
    };
    for (const auto& [location, expected] : redirections) {
        const std::optional<WebAddress> to = FollowRedirect(from, location);
        EXPECT_EQ(to ? to->host + to->target : "", expected) << location;
    }
}

struct Answer {
    bool complete;
    HttpFault fault;
    std::string body;
};

// Fed whole and byte by byte, an answer must read the same.
Answer Read(const std::string& bytes, bool end, HttpLimits limits = {}) {
    HttpResponseReader whole(limits), bytewise(limits);
    whole.Feed(bytes);
    for (const char c : bytes) bytewise.Feed(std::string_view(&c, 1));
    if (end) {
        whole.End();
        bytewise.End();
    }
    EXPECT_EQ(whole.Fault(), bytewise.Fault()) << bytes;
    EXPECT_EQ(whole.Status(), bytewise.Status()) << bytes;
    return {whole.Complete(), whole.Fault(), whole.TakeBody()};
}

TEST(HttpAnswer, CompleteOrNothing) {
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    const std::string chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";
    using F = HttpFault;
    struct Case {
        std::string bytes;
        bool end;  // the connection closed after them
        Answer expected;
    };
    const Case cases[] = {
        {ok + "content-length: 5\r\n\r\nhello and more", false, {true, F::None, "hello"}},
        {ok + "Content-Length: 10\r\n\r\nhello", true, {false, F::Cut, ""}},
        {ok + "Connection: close\r\n\r\nto the end", true, {true, F::None, "to the end"}},
        {chunked + "5;x=y\r\nhello\r\n6\r\n world\r\n0\r\nT: 1\r\n\r\n",
         false,
         {true, F::None, "hello world"}},
        {chunked + "5\r\nhello\r\n", true, {false, F::Cut, ""}},
        {chunked + "5\r\nhelloX\r\n", false, {false, F::Malformed, ""}},
        {ok + "Transfer-Encoding: gzip\r\n\r\nxx", true, {false, F::Malformed, ""}},
        {ok + "Content-Length: 2\r\nContent-Length: 3\r\n\r\nabc",
         false,
         {false, F::Malformed, ""}},
        {"HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 1\r\n\r\nx",
         false,
         {true, F::None, "x"}},
        {"\r\nHTTP/1.0 404 Not Found\r\n\r\ngone", true, {true, F::None, "gone"}},
        {"<html>captive portal</html>\r\n\r\n", true, {false, F::Malformed, ""}},
        {"HTTP/1.1 200", true, {false, F::Cut, ""}},
    };
    for (const Case& c : cases) {
        const Answer got = Read(c.bytes, c.end);
        EXPECT_EQ(got.complete, c.expected.complete) << c.bytes;
        EXPECT_EQ(got.fault, c.expected.fault) << c.bytes;
        EXPECT_EQ(got.body, c.expected.body) << c.bytes;
    }
}

TEST(HttpAnswer, Limits) {
    const HttpLimits small{.maxHeaderBytes = 100, .maxBodyBytes = 10};
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    const std::pair<std::string, HttpFault> cases[] = {
        {ok + "X: " + std::string(200, 'a'), HttpFault::HeadersTooLarge},
        {"HTTP/1.1 100 Continue\r\nX: " + std::string(40, 'b') + "\r\n\r\n" + ok +
             std::string(40, 'c'),
         HttpFault::HeadersTooLarge},  // informational answers count too
        {ok + "Content-Length: 11\r\n\r\n", HttpFault::BodyTooLarge},
        {ok + "Transfer-Encoding: chunked\r\n\r\n6\r\nxxxxxx\r\n6\r\n", HttpFault::BodyTooLarge},
        {ok + "Transfer-Encoding: chunked\r\n\r\n0\r\nT: " + std::string(90, 't'),
         HttpFault::HeadersTooLarge},  // trailers count with the headers
    };
    for (const auto& [bytes, fault] : cases) EXPECT_EQ(Read(bytes, false, small).fault, fault);
}

}  // namespace
