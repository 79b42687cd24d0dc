#include "win/StartupLog.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace win {

namespace {

// The log file's name, read once; empty when there is no log.
const std::wstring& LogFile() {
    static const std::wstring file = [] {
        wchar_t buffer[MAX_PATH]{};
        const DWORD n = ::GetEnvironmentVariableW(L"VALOMAT_STARTUP_LOG", buffer, MAX_PATH);
        return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
    }();
    return file;
}

double MillisecondsSinceStart() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    ::GetSystemTimePreciseAsFileTime(&now);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;  // 100 ns units
}

void Append(const std::string& line) {
    FILE* f = ::_wfopen(LogFile().c_str(), L"ab");
    if (!f) return;
    std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct Counts {
    int topLevel = 0;
    int children = 0;
};

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    auto* counts = reinterpret_cast<Counts*>(data);
    ++counts->topLevel;
    ::EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&counts->children));
    return TRUE;
}

}  // namespace

void StartupMark(std::string_view phase) {
    if (LogFile().empty()) return;
    char ms[32];
    std::snprintf(ms, sizeof ms, "%8.1f ms  ", MillisecondsSinceStart());
    Append(ms + std::string(phase) + "\n");
}

void StartupCountWindows() {
    if (LogFile().empty()) return;
    Counts counts;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&counts));
    Append("windows: " + std::to_string(counts.topLevel) + " top-level, " +
           std::to_string(counts.children) + " child windows\n");
}

}  // namespace win
