// A TCP connection, plain or over TLS (Schannel), whose every wait ends at a deadline or as soon
// as another thread sets a cancel event: a server that drips, floods or never answers holds it
// no longer than the caller allows. The name lookup, the connection, the TLS handshake and
// every read and write wait on the same two things.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace win {

using NetClock = std::chrono::steady_clock;

enum class NetError {
    None,
    Connection,   // no name, no connection, or it broke off
    Timeout,      // the deadline passed
    Cancelled,    // the cancel event was set
    Certificate,  // TLS: the server is not who it says, or the handshake failed
};

struct NetLimits {
    NetClock::time_point deadline;
    HANDLE cancel = nullptr;  // an event; set, it ends every wait
};

// In-process tests make their local https server's certificate (DER) a trusted root here: the
// Wine of the test prefix cannot be taught a root of its own. The name is checked all the same.
void TrustRootForTests(std::string_view der);

class NetStream {
  public:
    explicit NetStream(const NetLimits& limits);
    ~NetStream();
    NetStream(const NetStream&) = delete;
    NetStream& operator=(const NetStream&) = delete;

    // Looks the host up and connects to the first of its addresses that answers.
    NetError Connect(const std::string& host, int port);
    // Negotiates TLS for the host and checks the server's certificate chain and name.
    NetError StartTls(const std::string& host);
    NetError Send(std::string_view bytes);
    // Appends what arrives (at least one byte); `ended` is set when the server has closed.
    NetError Receive(std::string& out, bool& ended);

  private:
    class Tls;
    NetError Wait(long events);
    NetError SendRaw(std::string_view bytes);
    NetError ReceiveRaw(std::string& out, bool& ended);
    friend class Tls;

    NetLimits limits_;
    UINT_PTR socket_;
    HANDLE event_ = nullptr;
    std::unique_ptr<Tls> tls_;
};

}  // namespace win
