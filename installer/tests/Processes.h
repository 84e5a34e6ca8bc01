// Running the installer and the uninstaller to their real end.
#pragma once

#include <windows.h>

#include <string>

namespace taramel::installer_test {

struct RunResult {
    bool started = false;
    bool ended = false;  // the process and every process it started, in time
    DWORD exitCode = 0;  // of the process started, not of its children
};

// Runs a command line and waits for the process and for every process it
// started (an uninstaller copies itself away and runs the copy). The
// processes share a job, whose count of live processes tells.
RunResult RunToEnd(const std::wstring& commandLine, DWORD timeoutMs = 120000);

// A process started and left running (for the installer's pages), ended by
// force when the object goes.
class RunningProcess {
public:
    explicit RunningProcess(const std::wstring& commandLine);
    ~RunningProcess();
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;
    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;

private:
    PROCESS_INFORMATION info_{};
};

}  // namespace taramel::installer_test
