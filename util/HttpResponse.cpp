#include "util/HttpResponse.h"

#include <algorithm>
#include <cstdint>

#include "util/Text.h"

namespace {

// A chunk-size line longer than this carries no size we would accept.
constexpr std::size_t kMaxChunkLine = 4096;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    c = AsciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string_view TrimSpace(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string_view WithoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return AsciiLower(x) == y; });
}

// "HTTP/1.1 200 OK": the status, or 0 when the line is no status line.
int StatusOf(std::string_view line) {
    if (line.size() < 12 || line.substr(0, 7) != "HTTP/1." || !IsDigit(line[7]) || line[8] != ' ')
        return 0;
    if (!IsDigit(line[9]) || !IsDigit(line[10]) || !IsDigit(line[11])) return 0;
    if (line.size() > 12 && line[12] != ' ') return 0;
    return (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
}

}  // namespace

void HttpResponseReader::Fail(HttpFault fault) {
    fault_ = fault;
    body_.clear();
    body_.shrink_to_fit();
    head_.clear();
}

void HttpResponseReader::Feed(std::string_view bytes) {
    while (!bytes.empty() && !Finished()) {
        std::size_t used = 0;
        bool ended = false;
        switch (state_) {
            case State::Head:
                used = FeedHead(bytes);
                break;
            case State::Length:
            case State::ChunkData:
                used = std::min(remaining_, bytes.size());
                AppendBody(bytes.substr(0, used));
                remaining_ -= used;
                if (remaining_ == 0 && !Finished()) {
                    state_ = state_ == State::Length ? State::Done : State::ChunkEnd;
                }
                break;
            case State::ToEnd:
                used = bytes.size();
                AppendBody(bytes);
                break;
            case State::ChunkSize:
                used = FeedLine(bytes, line_, ended);
                if (ended) ChunkSizeLine();
                break;
            case State::ChunkEnd:
                used = FeedLine(bytes, line_, ended);
                if (ended) {
                    if (!line_.empty()) Fail(HttpFault::Malformed);
                    state_ = State::ChunkSize;
                }
                break;
            case State::Trailers:
                used = FeedLine(bytes, line_, ended);
                headBytes_ += used;
                if (headBytes_ > limits_.maxHeaderBytes) {
                    Fail(HttpFault::HeadersTooLarge);
                } else if (ended && line_.empty()) {
                    state_ = State::Done;
                }
                break;
            case State::Done:
                return;
        }
        if (ended) line_.clear();
        bytes.remove_prefix(used);
    }
}

// One line into `line` (without its end); `ended` tells whether its end was among the bytes.
std::size_t HttpResponseReader::FeedLine(std::string_view bytes, std::string& line, bool& ended) {
    const std::size_t newline = bytes.find('\n');
    ended = newline != std::string_view::npos;
    const std::size_t used = ended ? newline + 1 : bytes.size();
    line.append(bytes.substr(0, ended ? newline : used));
    if (ended && !line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxChunkLine) Fail(HttpFault::Malformed);
    return used;
}

std::size_t HttpResponseReader::FeedHead(std::string_view bytes) {
    std::size_t used = 0;
    while (used < bytes.size() && state_ == State::Head && !Finished()) {
        const std::size_t newline = bytes.find('\n', used);
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline + 1;
        headBytes_ += end - used;
        if (headBytes_ > limits_.maxHeaderBytes) {
            Fail(HttpFault::HeadersTooLarge);
            return bytes.size();
        }
        head_.append(bytes.substr(used, end - used));
        used = end;
        if (newline == std::string_view::npos) break;
        const std::string_view line =
            WithoutCr(std::string_view(head_).substr(lineStart_, head_.size() - 1 - lineStart_));
        if (!line.empty()) {
            lineStart_ = head_.size();
        } else if (lineStart_ == 0) {
            head_.clear();  // blank lines before the status line are tolerated
        } else {
            ReadHead();
        }
    }
    return used;
}

void HttpResponseReader::ReadHead() {
    std::string_view head(head_);
    std::size_t at = head.find('\n');
    status_ = StatusOf(WithoutCr(head.substr(0, at)));
    if (status_ == 0 || status_ == 101) {
        Fail(HttpFault::Malformed);  // no answer of HTTP, or a protocol switch never asked for
        return;
    }
    bool chunked = false;
    bool encoded = false;
    bool hasLength = false;
    std::uint64_t length = 0;
    location_.clear();
    while (at != std::string_view::npos && at + 1 < head.size()) {
        const std::size_t next = head.find('\n', at + 1);
        const std::string_view line = WithoutCr(head.substr(at + 1, next - at - 1));
        at = next;
        if (line.empty() || line.front() == ' ' || line.front() == '\t') continue;  // folded
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0) {
            Fail(HttpFault::Malformed);
            return;
        }
        const std::string_view name = line.substr(0, colon);
        const std::string_view value = TrimSpace(line.substr(colon + 1));
        if (SameNoCase(name, "content-length")) {
            std::uint64_t n = 0;
            if (value.empty() || value.size() > 18 ||
                !std::all_of(value.begin(), value.end(), IsDigit)) {
                Fail(HttpFault::Malformed);
                return;
            }
            for (const char c : value) n = n * 10 + static_cast<std::uint64_t>(c - '0');
            if (hasLength && n != length) {
                Fail(HttpFault::Malformed);  // two lengths: which one would end the answer?
                return;
            }
            hasLength = true;
            length = n;
        } else if (SameNoCase(name, "transfer-encoding")) {
            encoded = true;
            const std::string_view last = TrimSpace(value.substr(value.rfind(',') + 1));
            chunked = SameNoCase(last, "chunked");
        } else if (SameNoCase(name, "location")) {
            location_ = std::string(value);
        }
    }
    head_.clear();
    lineStart_ = 0;
    if (status_ < 200) return;  // an informational answer: the real one follows
    if (status_ == 204 || status_ == 304) {
        state_ = State::Done;
    } else if (encoded) {
        if (!chunked) {
            Fail(HttpFault::Malformed);  // an encoding we cannot find the end of
            return;
        }
        state_ = State::ChunkSize;
    } else if (hasLength) {
        if (length > limits_.maxBodyBytes) {
            Fail(HttpFault::BodyTooLarge);
            return;
        }
        remaining_ = static_cast<std::size_t>(length);
        body_.reserve(remaining_);
        state_ = remaining_ == 0 ? State::Done : State::Length;
    } else {
        state_ = State::ToEnd;
    }
}

void HttpResponseReader::ChunkSizeLine() {
    std::size_t at = 0;
    std::uint64_t size = 0;
    while (at < line_.size() && HexValue(line_[at]) >= 0) {
        if (at >= 15) {
            Fail(HttpFault::BodyTooLarge);
            return;
        }
        size = size * 16 + static_cast<std::uint64_t>(HexValue(line_[at]));
        ++at;
    }
    const std::string_view rest = TrimSpace(std::string_view(line_).substr(at));
    if (at == 0 || (!rest.empty() && rest.front() != ';')) {
        Fail(HttpFault::Malformed);
        return;
    }
    if (size == 0) {
        state_ = State::Trailers;
    } else if (size > limits_.maxBodyBytes - body_.size()) {
        Fail(HttpFault::BodyTooLarge);
    } else {
        remaining_ = static_cast<std::size_t>(size);
        state_ = State::ChunkData;
    }
}

void HttpResponseReader::AppendBody(std::string_view bytes) {
    if (bytes.size() > limits_.maxBodyBytes - body_.size()) {
        Fail(HttpFault::BodyTooLarge);
        return;
    }
    body_.append(bytes);
}

void HttpResponseReader::End() {
    if (Finished()) return;
    if (state_ == State::ToEnd) {
        state_ = State::Done;
    } else {
        Fail(HttpFault::Cut);
    }
}

std::string HttpResponseReader::TakeBody() {
    return Complete() ? std::move(body_) : std::string();
}
