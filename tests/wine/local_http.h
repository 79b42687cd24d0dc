// A real HTTP server on this machine for the tests that fetch: Python's http.server serving a
// temporary folder, or a tiny Python server that misbehaves on purpose. Wine starts Linux
// programs through CreateProcess but hands back no process handle, so the servers are started
// and stopped through /bin/sh and report through files in the folder.
#pragma once

#include <windows.h>

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

// Accepts connections and then, by its argument: "silent" never answers; "short" announces
// 100 bytes, sends 10 and hangs up.
inline constexpr char kMisbehavingServer[] = R"(import socket, sys, time
mode = sys.argv[1]
s = socket.socket()
s.bind(('127.0.0.1', 0))
s.listen(16)
print('port', s.getsockname()[1], flush=True)
held = []
while True:
    c, _ = s.accept()
    if mode == 'short':
        c.recv(65536)
        c.sendall(b'HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n0123456789')
        c.close()
    else:
        held.append(c)
)";

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
    // The misbehaving server: "silent" or "short".
    bool Misbehave(const std::string& mode) {
        WriteAll(folder_ + L"\\misbehave.py", kMisbehavingServer);
        return Start("python3 -u '" + unixFolder_ + "/misbehave.py' " + mode, "port ");
    }

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
