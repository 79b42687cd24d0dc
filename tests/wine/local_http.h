// A real HTTP server on this machine for the tests that fetch: Python's http.server serving a
// temporary folder, or a tiny Python server that misbehaves on purpose. Wine starts Linux
// programs through CreateProcess but hands back no process handle, so the servers are started
// and stopped through /bin/sh and report through files in the folder.
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "win/Text.h"

namespace testhttp {

// The Linux path of a Windows path (only under Wine; empty elsewhere).
inline std::string UnixPath(const std::wstring& path) {
    using Fn = char*(CDECL*)(const wchar_t*);
    static const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!fn) return {};
    char* unix = fn(path.c_str());
    if (!unix) return {};
    std::string result(unix);
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return result;
}

// Runs a shell script on the Linux side, without waiting for it. No double quotes in it.
inline bool RunShell(const std::string& script) {
    std::wstring command = L"/bin/sh -c \"" + win::Widen(script) + L"\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info)) {
        return false;
    }
    if (info.hThread) ::CloseHandle(info.hThread);
    if (info.hProcess) ::CloseHandle(info.hProcess);
    return true;
}

inline std::string ReadAll(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteAll(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Waits until the file holds a line that starts with `key`, and returns the rest of that line.
inline std::string WaitForLine(const std::wstring& path, const std::string& key,
                               std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::istringstream lines(ReadAll(path));
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(key, 0) == 0) return line.substr(key.size());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

// A server that answers by the path it is asked for, well or badly, and notes every path in
// requests.log: /file/NAME serves root/NAME; /cut/NAME sends its first half in chunks and
// hangs up; /short/NAME announces all of it, sends half and hangs up; /empty, /portal (a
// network's login page), /redirect-dead (to a port nobody listens on) answer at once; /silent
// never answers; the drips send one byte every half second: the status line, the headers, a
// body with and without a length, chunks; /flood sends headers without end. It is also a
// proxy: a whole address as the target is taken by its path, and CONNECT opens a tunnel.
inline constexpr char kHostileServer[] = R"(import socket, threading, time
s = socket.socket()
s.bind(('127.0.0.1', 0))
s.listen(64)
print('port', s.getsockname()[1], flush=True)
log = open('requests.log', 'a')
OK = b'HTTP/1.1 200 OK\r\n'
PAGE = b'<html><body><h1>Sign in to use this network</h1></body></html>'
AT_ONCE = {'empty': OK + b'Content-Length: 0\r\n\r\n',
           'portal': OK + b'Content-Length: %d\r\n\r\n' % len(PAGE) + PAGE,
           'redirect-dead': b'HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:1/x\r\n\r\n'}
DRIPS = {'drip-status': (b'', OK + b'Content-Length: 2\r\n\r\nok'),
         'drip-headers': (OK, b'X-Slow: ' + b'a' * 1000),
         'drip-body-length': (OK + b'Content-Length: 1000\r\n\r\n', b'<' * 1000),
         'drip-body': (OK + b'Connection: close\r\n\r\n', b'<' * 1000),
         'drip-chunks': (OK + b'Transfer-Encoding: chunked\r\n\r\n', b'1\r\n<\r\n' * 200)}
def serve(c):
    request = b''
    while b'\r\n\r\n' not in request:
        request += c.recv(65536) or b'\r\n\r\n'
    method, path = request.split(b' ')[0], request.split(b' ')[1].decode()
    log.write(path + '\n')
    log.flush()
    if method == b'CONNECT':
        host, _, port = path.rpartition(':')
        t = socket.create_connection((host, int(port)))
        c.sendall(b'HTTP/1.1 200 Connection established\r\n\r\n')
        def pipe(a, b):
            while data := a.recv(65536):
                b.sendall(data)
            b.close()
        threading.Thread(target=pipe, args=(t, c), daemon=True).start()
        pipe(c, t)
        return
    if path.startswith('http://'):
        path = '/' + path.split('/', 3)[3]
    kind, _, name = path[1:].partition('/')
    body = open('root/' + name, 'rb').read() if name else b''
    half = body[:len(body) // 2]
    if kind == 'file':
        c.sendall(OK + b'Content-Length: %d\r\n\r\n' % len(body) + body)
    elif kind == 'cut':
        c.sendall(OK + b'Transfer-Encoding: chunked\r\n\r\n%x\r\n' % len(half) + half + b'\r\n')
    elif kind == 'short':
        c.sendall(OK + b'Content-Length: %d\r\n\r\n' % len(body) + half)
    elif kind in AT_ONCE:
        c.sendall(AT_ONCE[kind])
    elif kind in DRIPS:
        c.sendall(DRIPS[kind][0])
        for b in DRIPS[kind][1]:
            c.sendall(bytes([b]))
            time.sleep(0.5)
    elif kind == 'flood':
        c.sendall(OK)
        while True:
            c.sendall((b'X-Flood: ' + b'a' * 1000 + b'\r\n') * 64)
    elif kind == 'silent':
        time.sleep(600)
    c.close()
while True:
    threading.Thread(target=serve, args=(s.accept()[0],), daemon=True).start()
)";

// An https file server for root/, with a certificate for "localhost" made on the spot.
inline constexpr char kTlsServer[] = R"(import http.server, ssl, subprocess
subprocess.run(['openssl', 'req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-keyout', 'key.pem',
                '-out', 'cert.pem', '-days', '2', '-subj', '/CN=localhost',
                '-addext', 'subjectAltName=DNS:localhost'], check=True, capture_output=True)
class Files(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory='root', **kwargs)
httpd = http.server.HTTPServer(('127.0.0.1', 0), Files)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain('cert.pem', 'key.pem')
httpd.socket = context.wrap_socket(httpd.socket, server_side=True)
print('port', httpd.server_address[1], flush=True)
httpd.serve_forever()
)";

// A PEM certificate's DER bytes.
inline std::string PemToDer(const std::string& pem) {
    DWORD size = 0;
    if (!::CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr,
                                nullptr)) {
        return {};
    }
    std::string der(size, '\0');
    ::CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER,
                           reinterpret_cast<BYTE*>(der.data()), &size, nullptr, nullptr);
    return der;
}

// One server in a temporary folder of its own; stopped and removed at the end.
class Server {
  public:
    Server() {
        wchar_t temp[MAX_PATH]{};
        ::GetTempPathW(MAX_PATH, temp);
        static int serial = 0;
        folder_ = std::wstring(temp) + L"valomat-srv-" + std::to_wstring(::GetCurrentProcessId()) +
                  L"-" + std::to_wstring(++serial);
        ::CreateDirectoryW(folder_.c_str(), nullptr);
        ::CreateDirectoryW(Root().c_str(), nullptr);
        unixFolder_ = UnixPath(folder_);
    }
    ~Server() {
        Stop();
        RemoveTree(folder_);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // False outside Wine: the tests skip then.
    bool Usable() const { return !unixFolder_.empty(); }
    // A temporary folder of the test's own, removed at the end.
    const std::wstring& Folder() const { return folder_; }
    // The folder that the file server serves.
    std::wstring Root() const { return folder_ + L"\\root"; }
    void Put(const std::wstring& name, const std::string& bytes) const {
        WriteAll(Root() + L"\\" + name, bytes);
    }

    // python3 -m http.server on a free port of 127.0.0.1.
    bool ServeFiles() {
        return Start(
            "python3 -u -m http.server 0 --bind 127.0.0.1 --directory '" + unixFolder_ + "/root'",
            "Serving HTTP on 127.0.0.1 port ");
    }
    // The server of kHostileServer, serving Root().
    bool Hostile() {
        WriteAll(folder_ + L"\\hostile.py", kHostileServer);
        return Start("python3 -u '" + unixFolder_ + "/hostile.py'", "port ");
    }
    // The https server of kTlsServer, serving Root() as localhost; Certificate() is its own.
    bool ServeTls() {
        WriteAll(folder_ + L"\\tls.py", kTlsServer);
        return Start("python3 -u '" + unixFolder_ + "/tls.py'", "port ");
    }
    std::string Certificate() const { return ReadAll(folder_ + L"\\cert.pem"); }
    // The paths the hostile server was asked for, in order.
    std::string Requests() const { return ReadAll(folder_ + L"\\requests.log"); }

    // Ends the server and waits until it is gone, so its port refuses connections.
    void Stop() {
        if (pid_.empty()) return;
        const std::wstring done = folder_ + L"\\stopped";
        RunShell("kill " + pid_ + "; while kill -0 " + pid_ + " 2>/dev/null; do sleep 0.02; done;" +
                 " echo gone > '" + unixFolder_ + "/stopped'");
        WaitForLine(done, "gone");
        ::DeleteFileW(done.c_str());
        pid_.clear();
    }

    int Port() const { return port_; }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + "/" + path;
    }

  private:
    // Starts the command in the folder (a watchdog ends it after five minutes whatever
    // happens) and waits for the line that names its port.
    bool Start(const std::string& command, const std::string& portLine) {
        if (!Usable()) return false;
        Stop();
        const std::wstring log = folder_ + L"\\server.log";
        const std::wstring pidFile = folder_ + L"\\server.pid";
        ::DeleteFileW(log.c_str());
        ::DeleteFileW(pidFile.c_str());
        const std::string script = "cd '" + unixFolder_ +
                                   "' && echo pid $$ > server.pid && exec timeout 300 " + command +
                                   " > server.log 2>&1";
        if (!RunShell(script)) return false;
        pid_ = WaitForLine(pidFile, "pid ");
        const std::string port = WaitForLine(log, portLine);
        port_ = std::atoi(port.c_str());
        return !pid_.empty() && port_ > 0;
    }

    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path);
                } else {
                    ::DeleteFileW(path.c_str());
                }
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(folder.c_str());
    }

    std::wstring folder_;
    std::string unixFolder_;
    std::string pid_;
    int port_ = 0;
};

}  // namespace testhttp
