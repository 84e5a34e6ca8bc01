// startup_time PROGRAM.exe REFERENCE.exe [ROUNDS]
//
// Starts PROGRAM and REFERENCE one after the other, alternating which goes
// first, ROUNDS times (7 by default, after one unmeasured start of each),
// and measures for each start the time from just before the process is
// created to the moment it sets the event named in the environment variable
// TARAMEL_FIRST_PAINT_EVENT (Taramel: its main window's first skinned paint;
// the reference: its empty window's first paint). Each program runs in the
// folder it lies in and is ended once it has signalled. Prints every time,
// the medians and their ratio; exits 0 when the ratio is at most the goal
// (1.3), 1 above it, 2 on an error.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr double kGoal = 1.3;
constexpr DWORD kTimeoutMs = 60000;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring FolderOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

BOOL CALLBACK CloseThreadWindow(HWND window, LPARAM)
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Seconds from creating the process to its signal, or a negative value when
// it could not start or did not signal in time.
double TimeOneStart(const std::wstring& exe, int serial)
{
    wchar_t name[64];
    std::swprintf(name, 64, L"TaramelFirstPaint-%lu-%d", GetCurrentProcessId(), serial);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, name);
    if (event == nullptr)
        return -1;
    SetEnvironmentVariableW(L"TARAMEL_FIRST_PAINT_EVENT", name);
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring folder = FolderOf(exe);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    const double start = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi)) {
        std::fwprintf(stderr, L"startup_time: cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
        CloseHandle(event);
        return -1;
    }
    HANDLE waits[2] = {event, pi.hProcess};
    const DWORD got = WaitForMultipleObjects(2, waits, FALSE, kTimeoutMs);
    const double took = Now() - start;
    SetEnvironmentVariableW(L"TARAMEL_FIRST_PAINT_EVENT", nullptr);
    // Closed the way a user closes it; ended by force if it lingers.
    EnumThreadWindows(pi.dwThreadId, CloseThreadWindow, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(event);
    if (got != WAIT_OBJECT_0) {
        std::fwprintf(stderr, L"startup_time: %ls %ls\n", exe.c_str(),
                      got == WAIT_OBJECT_0 + 1 ? L"ended before its first paint" : L"did not paint in time");
        return -1;
    }
    return took;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3 || argc > 4) {
        std::fwprintf(stderr, L"usage: startup_time PROGRAM.exe REFERENCE.exe [ROUNDS]\n");
        return 2;
    }
    const std::wstring program = argv[1];
    const std::wstring reference = argv[2];
    const int rounds = argc == 4 ? _wtoi(argv[3]) : 7;
    if (rounds < 1 || rounds > 1000) {
        std::fwprintf(stderr, L"startup_time: ROUNDS must be 1..1000\n");
        return 2;
    }
    int serial = 0;
    // One start of each first, unmeasured: the files come into the cache.
    if (TimeOneStart(program, serial++) < 0 || TimeOneStart(reference, serial++) < 0)
        return 2;
    std::vector<double> programTimes, referenceTimes;
    for (int round = 0; round < rounds; ++round) {
        const bool programFirst = round % 2 == 0;
        for (int k = 0; k < 2; ++k) {
            const bool isProgram = (k == 0) == programFirst;
            const double t = TimeOneStart(isProgram ? program : reference, serial++);
            if (t < 0)
                return 2;
            (isProgram ? programTimes : referenceTimes).push_back(t);
        }
        std::wprintf(L"round %d: program %.1f ms, reference %.1f ms\n", round + 1, programTimes.back() * 1000,
                     referenceTimes.back() * 1000);
    }
    const double p = Median(programTimes);
    const double r = Median(referenceTimes);
    const double ratio = p / r;
    std::wprintf(L"median: program %.1f ms, reference %.1f ms, ratio %.2f (goal at most %.1f)\n", p * 1000, r * 1000,
                 ratio, kGoal);
    return ratio <= kGoal ? 0 : 1;
}
