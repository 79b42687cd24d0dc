#include "win/NetStream.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#define SECURITY_WIN32
#include <schannel.h>
#include <security.h>
#include <wincrypt.h>

#include <algorithm>
#include <vector>

#include "win/Text.h"

namespace win {

namespace {

constexpr std::size_t kReceiveBuffer = 16 * 1024;
// SECURITY_FLAG_IGNORE_UNKNOWN_CA, which only winhttp.h and wininet.h define.
constexpr DWORD kIgnoreUnknownRoot = 0x00000100;

// Winsock is started once for the run and left running.
bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

DWORD MillisecondsLeft(NetClock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - NetClock::now()).count();
    return left <= 0 ? 0 : static_cast<DWORD>(std::min<long long>(left, 0x7FFFFFFF));
}

// Waits for `event` until the deadline or the cancel event, whichever comes first.
NetError WaitFor(HANDLE event, const NetLimits& limits) {
    const DWORD left = MillisecondsLeft(limits.deadline);
    if (left == 0) return NetError::Timeout;
    const HANDLE handles[] = {event, limits.cancel};
    const DWORD count = limits.cancel ? 2 : 1;
    switch (::WaitForMultipleObjects(count, handles, FALSE, left)) {
        case WAIT_OBJECT_0:
            return NetError::None;
        case WAIT_OBJECT_0 + 1:
            return NetError::Cancelled;
        case WAIT_TIMEOUT:
            return NetError::Timeout;
        default:
            return NetError::Connection;
    }
}

// A name lookup that the system may finish after we stopped waiting: it then writes into this,
// which is left behind rather than freed under the system's hands.
struct Lookup {
    OVERLAPPED overlapped{};
    ADDRINFOEXW* result = nullptr;
    HANDLE cancelHandle = nullptr;
    ~Lookup() {
        if (result) ::FreeAddrInfoExW(result);
        if (overlapped.hEvent) ::CloseHandle(overlapped.hEvent);
    }
};

std::vector<std::string>& TestRoots() {
    static std::vector<std::string> roots;
    return roots;
}

bool IsTestRoot(PCCERT_CHAIN_CONTEXT chain) {
    if (chain->cChain == 0 || chain->rgpChain[0]->cElement == 0) return false;
    const CERT_SIMPLE_CHAIN* simple = chain->rgpChain[0];
    const CERT_CONTEXT* root = simple->rgpElement[simple->cElement - 1]->pCertContext;
    const std::string_view der(reinterpret_cast<const char*>(root->pbCertEncoded),
                               root->cbCertEncoded);
    const auto& roots = TestRoots();
    return std::find(roots.begin(), roots.end(), der) != roots.end();
}

using CancelLookupFn = INT(WSAAPI*)(LPHANDLE);
using LookupResultFn = INT(WSAAPI*)(LPOVERLAPPED);

FARPROC Ws2Function(const char* name) {
    return ::GetProcAddress(::GetModuleHandleW(L"ws2_32"), name);
}

}  // namespace

// ---- TLS over the connection, by Schannel

class NetStream::Tls {
  public:
    explicit Tls(NetStream& stream) : stream_(stream) {}
    ~Tls() {
        if (haveContext_) ::DeleteSecurityContext(&context_);
        if (haveCredentials_) ::FreeCredentialsHandle(&credentials_);
    }

    NetError Handshake(const std::string& host) {
        SCHANNEL_CRED settings{};
        settings.dwVersion = SCHANNEL_CRED_VERSION;
        // The certificate is checked below, the same way on every system.
        settings.dwFlags =
            SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS | SCH_USE_STRONG_CRYPTO;
        wchar_t package[] = UNISP_NAME_W;
        if (::AcquireCredentialsHandleW(nullptr, package, SECPKG_CRED_OUTBOUND, nullptr, &settings,
                                        nullptr, nullptr, &credentials_, nullptr) != SEC_E_OK) {
            return NetError::Certificate;
        }
        haveCredentials_ = true;
        host_ = Widen(host);
        std::string incoming;
        SECURITY_STATUS status = Step(nullptr, incoming);
        // A server that asks for a client certificate gets none: the step fails.
        while (status == SEC_I_CONTINUE_NEEDED || status == SEC_E_INCOMPLETE_MESSAGE) {
            if (incoming.empty() || incomplete_) {
                bool ended = false;
                if (const NetError e = stream_.ReceiveRaw(incoming, ended); e != NetError::None)
                    return e;
                if (ended) return NetError::Connection;
            }
            status = Step(&incoming, incoming);
            if (sendFailed_ != NetError::None) return sendFailed_;
        }
        if (status != SEC_E_OK || sendFailed_ != NetError::None) {
            return sendFailed_ != NetError::None ? sendFailed_ : NetError::Certificate;
        }
        encrypted_ = std::move(incoming);  // application data that came with the last step
        if (::QueryContextAttributesW(&context_, SECPKG_ATTR_STREAM_SIZES, &sizes_) != SEC_E_OK)
            return NetError::Certificate;
        return CheckCertificate(host) ? NetError::None : NetError::Certificate;
    }

    NetError Send(std::string_view bytes) {
        while (!bytes.empty()) {
            const std::size_t n = std::min<std::size_t>(bytes.size(), sizes_.cbMaximumMessage);
            std::string record(sizes_.cbHeader + n + sizes_.cbTrailer, '\0');
            std::copy_n(bytes.data(), n, record.data() + sizes_.cbHeader);
            SecBuffer buffers[4] = {
                {sizes_.cbHeader, SECBUFFER_STREAM_HEADER, record.data()},
                {static_cast<ULONG>(n), SECBUFFER_DATA, record.data() + sizes_.cbHeader},
                {sizes_.cbTrailer, SECBUFFER_STREAM_TRAILER, record.data() + sizes_.cbHeader + n},
                {0, SECBUFFER_EMPTY, nullptr}};
            SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
            if (::EncryptMessage(&context_, 0, &desc, 0) != SEC_E_OK) return NetError::Connection;
            record.resize(buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer);
            if (const NetError e = stream_.SendRaw(record); e != NetError::None) return e;
            bytes.remove_prefix(n);
        }
        return NetError::None;
    }

    NetError Receive(std::string& out, bool& ended) {
        for (;;) {
            if (!encrypted_.empty() && !incomplete_) {
                SecBuffer buffers[4] = {
                    {static_cast<ULONG>(encrypted_.size()), SECBUFFER_DATA, encrypted_.data()},
                    {0, SECBUFFER_EMPTY, nullptr},
                    {0, SECBUFFER_EMPTY, nullptr},
                    {0, SECBUFFER_EMPTY, nullptr}};
                SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
                const SECURITY_STATUS status = ::DecryptMessage(&context_, &desc, 0, nullptr);
                if (status == SEC_E_INCOMPLETE_MESSAGE) {
                    incomplete_ = true;
                } else if (status == SEC_I_CONTEXT_EXPIRED) {
                    ended = true;  // the server closed the TLS session
                    return NetError::None;
                } else if (status == SEC_E_OK || status == SEC_I_RENEGOTIATE) {
                    std::string extra;
                    bool gotData = false;
                    for (const SecBuffer& b : buffers) {
                        if (b.BufferType == SECBUFFER_DATA && b.cbBuffer > 0) {
                            out.append(static_cast<const char*>(b.pvBuffer), b.cbBuffer);
                            gotData = true;
                        } else if (b.BufferType == SECBUFFER_EXTRA) {
                            extra.assign(static_cast<const char*>(b.pvBuffer), b.cbBuffer);
                        }
                    }
                    encrypted_ = std::move(extra);
                    if (status == SEC_I_RENEGOTIATE) {
                        // Messages after the handshake (TLS 1.3 tickets) go back to Schannel.
                        const SECURITY_STATUS again = Step(&encrypted_, encrypted_);
                        if (sendFailed_ != NetError::None) return sendFailed_;
                        if (again != SEC_E_OK && again != SEC_I_CONTINUE_NEEDED)
                            return NetError::Connection;
                    }
                    if (gotData) return NetError::None;
                    continue;
                } else {
                    return NetError::Connection;
                }
            }
            const std::size_t before = encrypted_.size();
            if (const NetError e = stream_.ReceiveRaw(encrypted_, ended); e != NetError::None)
                return e;
            if (ended) {
                // The connection ended without the TLS close: what is buffered is incomplete.
                return NetError::None;
            }
            if (encrypted_.size() > before) incomplete_ = false;
        }
    }

  private:
    // One handshake step: gives Schannel what arrived (null for the first), sends what it
    // answers, and keeps in `rest` the bytes it did not use.
    SECURITY_STATUS Step(std::string* input, std::string& rest) {
        SecBuffer in[2] = {{0, SECBUFFER_TOKEN, nullptr}, {0, SECBUFFER_EMPTY, nullptr}};
        std::string taken;
        if (input) {
            taken = *input;
            in[0].cbBuffer = static_cast<ULONG>(taken.size());
            in[0].pvBuffer = taken.data();
        }
        SecBufferDesc inDesc{SECBUFFER_VERSION, 2, in};
        SecBuffer out[1] = {{0, SECBUFFER_TOKEN, nullptr}};
        SecBufferDesc outDesc{SECBUFFER_VERSION, 1, out};
        const ULONG wanted = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT |
                             ISC_REQ_CONFIDENTIALITY | ISC_REQ_EXTENDED_ERROR |
                             ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM |
                             ISC_REQ_MANUAL_CRED_VALIDATION;
        ULONG got = 0;
        const SECURITY_STATUS status = ::InitializeSecurityContextW(
            &credentials_, haveContext_ ? &context_ : nullptr, host_.data(), wanted, 0, 0,
            input ? &inDesc : nullptr, 0, haveContext_ ? nullptr : &context_, &outDesc, &got,
            nullptr);
        if (!haveContext_ && (status == SEC_E_OK || status == SEC_I_CONTINUE_NEEDED ||
                              status == SEC_E_INCOMPLETE_MESSAGE)) {
            haveContext_ = true;
        }
        if (out[0].pvBuffer) {
            if (out[0].cbBuffer > 0 && status != SEC_E_INCOMPLETE_MESSAGE) {
                sendFailed_ = stream_.SendRaw(
                    std::string_view(static_cast<const char*>(out[0].pvBuffer), out[0].cbBuffer));
            }
            ::FreeContextBuffer(out[0].pvBuffer);
        }
        incomplete_ = status == SEC_E_INCOMPLETE_MESSAGE;
        if (input && !incomplete_) {
            if (in[1].BufferType == SECBUFFER_EXTRA && in[1].cbBuffer > 0) {
                rest = taken.substr(taken.size() - in[1].cbBuffer);
            } else {
                rest.clear();
            }
        }
        return status;
    }

    // The chain up to a trusted root, for a server of that name, as a browser checks it.
    bool CheckCertificate(const std::string& host) {
        PCCERT_CONTEXT certificate = nullptr;
        if (::QueryContextAttributesW(&context_, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &certificate) !=
                SEC_E_OK ||
            !certificate) {
            return false;
        }
        LPSTR usages[] = {const_cast<LPSTR>(szOID_PKIX_KP_SERVER_AUTH),
                          const_cast<LPSTR>(szOID_SERVER_GATED_CRYPTO),
                          const_cast<LPSTR>(szOID_SGC_NETSCAPE)};
        CERT_CHAIN_PARA chainPara{};
        chainPara.cbSize = sizeof chainPara;
        chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
        chainPara.RequestedUsage.Usage.cUsageIdentifier = 3;
        chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
        PCCERT_CHAIN_CONTEXT chain = nullptr;
        bool trusted = false;
        if (::CertGetCertificateChain(nullptr, certificate, nullptr, certificate->hCertStore,
                                      &chainPara, 0, nullptr, &chain)) {
            std::wstring name = Widen(host);
            SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
            ssl.cbSize = sizeof ssl;
            ssl.dwAuthType = AUTHTYPE_SERVER;
            ssl.pwszServerName = name.data();
            if (IsTestRoot(chain)) ssl.fdwChecks = kIgnoreUnknownRoot;
            CERT_CHAIN_POLICY_PARA policy{};
            policy.cbSize = sizeof policy;
            policy.pvExtraPolicyPara = &ssl;
            CERT_CHAIN_POLICY_STATUS result{};
            result.cbSize = sizeof result;
            trusted = ::CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policy,
                                                         &result) &&
                      result.dwError == 0;
            ::CertFreeCertificateChain(chain);
        }
        ::CertFreeCertificateContext(certificate);
        return trusted;
    }

    NetStream& stream_;
    CredHandle credentials_{};
    CtxtHandle context_{};
    bool haveCredentials_ = false;
    bool haveContext_ = false;
    std::wstring host_;
    SecPkgContext_StreamSizes sizes_{};
    std::string encrypted_;    // received, not yet decrypted
    bool incomplete_ = false;  // Schannel waits for more bytes than encrypted_ holds
    NetError sendFailed_ = NetError::None;
};

void TrustRootForTests(std::string_view der) {
    TestRoots().emplace_back(der);
}

// ---- the connection

NetStream::NetStream(const NetLimits& limits)
    : limits_(limits), socket_(INVALID_SOCKET), event_(::WSACreateEvent()) {}

NetStream::~NetStream() {
    tls_.reset();
    if (socket_ != INVALID_SOCKET) ::closesocket(socket_);
    if (event_) ::WSACloseEvent(event_);
}

NetError NetStream::Wait(long events) {
    for (;;) {
        if (const NetError e = WaitFor(event_, limits_); e != NetError::None) return e;
        WSANETWORKEVENTS happened{};
        if (::WSAEnumNetworkEvents(socket_, event_, &happened) != 0) return NetError::Connection;
        if (!(events & FD_CONNECT)) return NetError::None;  // the caller reads or writes again
        if (happened.lNetworkEvents & FD_CONNECT) {
            return happened.iErrorCode[FD_CONNECT_BIT] == 0 ? NetError::None : NetError::Connection;
        }
    }
}

NetError NetStream::Connect(const std::string& host, int port) {
    if (!StartWinsock() || !event_) return NetError::Connection;
    const std::wstring name = Widen(host);
    const std::wstring service = std::to_wstring(port);
    ADDRINFOEXW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    auto lookup = std::make_unique<Lookup>();
    lookup->overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!lookup->overlapped.hEvent) return NetError::Connection;
    INT status =
        ::GetAddrInfoExW(name.c_str(), service.c_str(), NS_ALL, nullptr, &hints, &lookup->result,
                         nullptr, &lookup->overlapped, nullptr, &lookup->cancelHandle);
    if (status == WSA_IO_PENDING) {
        const NetError waited = WaitFor(lookup->overlapped.hEvent, limits_);
        if (waited != NetError::None) {
            if (auto cancel = reinterpret_cast<CancelLookupFn>(
                    reinterpret_cast<void*>(Ws2Function("GetAddrInfoExCancel")))) {
                cancel(&lookup->cancelHandle);
            }
            // It writes into the lookup until it has ended: wait briefly, else leave it be.
            if (::WaitForSingleObject(lookup->overlapped.hEvent, 1000) != WAIT_OBJECT_0) {
                lookup.release();
            }
            return waited;
        }
        auto result = reinterpret_cast<LookupResultFn>(
            reinterpret_cast<void*>(Ws2Function("GetAddrInfoExOverlappedResult")));
        status = result ? result(&lookup->overlapped) : 0;
    } else if (status != 0) {
        // Systems that cannot look up in the background do it here.
        lookup->result = nullptr;
        status = ::GetAddrInfoExW(name.c_str(), service.c_str(), NS_ALL, nullptr, &hints,
                                  &lookup->result, nullptr, nullptr, nullptr, nullptr);
    }
    if (status != 0 || !lookup->result) return NetError::Connection;

    NetError last = NetError::Connection;
    // MinGW's header spells the type of ai_next differently from the structure itself.
    for (const ADDRINFOEXW* a = lookup->result; a;
         a = reinterpret_cast<const ADDRINFOEXW*>(a->ai_next)) {
        if (socket_ != INVALID_SOCKET) ::closesocket(socket_);
        socket_ = ::WSASocketW(a->ai_family, a->ai_socktype, a->ai_protocol, nullptr, 0,
                               WSA_FLAG_OVERLAPPED);
        if (socket_ == INVALID_SOCKET) continue;
        // Not blocking from here on: every wait is ours.
        if (::WSAEventSelect(socket_, event_, FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE) != 0)
            continue;
        if (::connect(socket_, a->ai_addr, static_cast<int>(a->ai_addrlen)) == 0)
            return NetError::None;
        if (::WSAGetLastError() != WSAEWOULDBLOCK) continue;
        last = Wait(FD_CONNECT);
        if (last == NetError::None) return NetError::None;
        if (last != NetError::Connection) return last;  // out of time, or cancelled
    }
    return last;
}

NetError NetStream::StartTls(const std::string& host) {
    tls_ = std::make_unique<Tls>(*this);
    return tls_->Handshake(host);
}

NetError NetStream::Send(std::string_view bytes) {
    return tls_ ? tls_->Send(bytes) : SendRaw(bytes);
}

NetError NetStream::Receive(std::string& out, bool& ended) {
    ended = false;
    return tls_ ? tls_->Receive(out, ended) : ReceiveRaw(out, ended);
}

NetError NetStream::SendRaw(std::string_view bytes) {
    while (!bytes.empty()) {
        const int n = ::send(socket_, bytes.data(),
                             static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 20)), 0);
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n == SOCKET_ERROR && ::WSAGetLastError() != WSAEWOULDBLOCK) return NetError::Connection;
        if (const NetError e = Wait(FD_WRITE); e != NetError::None) return e;
    }
    return NetError::None;
}

NetError NetStream::ReceiveRaw(std::string& out, bool& ended) {
    ended = false;
    char buffer[kReceiveBuffer];
    for (;;) {
        const int n = ::recv(socket_, buffer, sizeof buffer, 0);
        if (n > 0) {
            out.append(buffer, static_cast<std::size_t>(n));
            return NetError::None;
        }
        if (n == 0) {
            ended = true;
            return NetError::None;
        }
        // A reset is no orderly end: what came before it may be cut.
        if (::WSAGetLastError() != WSAEWOULDBLOCK) return NetError::Connection;
        if (const NetError e = Wait(FD_READ | FD_CLOSE); e != NetError::None) return e;
    }
}

}  // namespace win
