// Reading an HTTP/1.x answer as its bytes arrive, within limits: the status line and headers up
// to a size, then a body up to a size, delimited by its announced length, by chunks or by the
// end of the connection. Whatever the server sends, the time taken is linear in the bytes fed
// and the memory held is bounded by the two limits; an answer counts only when it is complete.
//
//   HttpResponseReader reader;
//   while (!reader.Finished()) { bytes = Receive(); bytes.empty() ? reader.End() :
//   reader.Feed(bytes); } if (reader.Complete() && reader.Status() == 200) Use(reader.TakeBody());
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct HttpLimits {
    std::size_t maxHeaderBytes = 64u << 10;  // the status line, headers and chunk trailers
    std::size_t maxBodyBytes = 8u << 20;
};

enum class HttpFault {
    None,
    Malformed,        // no HTTP answer, or headers that contradict each other
    HeadersTooLarge,  // beyond maxHeaderBytes
    BodyTooLarge,     // announced or sent beyond maxBodyBytes
    Cut,              // the connection ended before the answer was complete
};

class HttpResponseReader {
  public:
    explicit HttpResponseReader(HttpLimits limits = {}) : limits_(limits) {}

    // Takes the next bytes of the connection; bytes after a finished answer are ignored.
    void Feed(std::string_view bytes);
    // The connection ended: a body that runs to the end is complete with it, anything else
    // unfinished was cut.
    void End();

    bool Complete() const { return state_ == State::Done; }
    bool Finished() const { return state_ == State::Done || fault_ != HttpFault::None; }
    HttpFault Fault() const { return fault_; }
    // The final answer's status (informational answers are skipped), 0 before it is known.
    int Status() const { return status_; }
    const std::string& Location() const { return location_; }
    // The body, once the answer is complete; empty otherwise.
    std::string TakeBody();

  private:
    enum class State { Head, Length, ChunkSize, ChunkData, ChunkEnd, Trailers, ToEnd, Done };

    std::size_t FeedHead(std::string_view bytes);
    std::size_t FeedLine(std::string_view bytes, std::string& line, bool& ended);
    void ReadHead();
    void ChunkSizeLine();
    void AppendBody(std::string_view bytes);
    void Fail(HttpFault fault);

    HttpLimits limits_;
    State state_ = State::Head;
    HttpFault fault_ = HttpFault::None;
    std::string head_;           // the status line and headers being read
    std::size_t headBytes_ = 0;  // every head and trailer byte so far, informational answers too
    std::size_t lineStart_ = 0;  // where the current line of head_ starts
    std::string line_;           // a chunk-size or trailer line being read
    std::size_t remaining_ = 0;  // bytes of the body (or chunk) still to come
    int status_ = 0;
    std::string location_;
    std::string body_;
};
