#include "installer/tests/Processes.h"

namespace taramel::installer_test {

RunResult RunToEnd(const std::wstring& commandLine, DWORD timeoutMs)
{
    RunResult result;
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr)
        return result;
    std::wstring line = commandLine;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si,
                        &pi)) {
        CloseHandle(job);
        return result;
    }
    result.started = true;
    AssignProcessToJobObject(job, pi.hProcess);
    ResumeThread(pi.hThread);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(pi.hProcess, &result.exitCode);
        for (;;) {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION counts{};
            if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &counts, sizeof counts,
                                           nullptr))
                break;
            if (counts.ActiveProcesses == 0) {
                result.ended = true;
                break;
            }
            if (GetTickCount64() >= deadline)
                break;
            Sleep(50);
        }
    }
    if (!result.ended)
        TerminateJobObject(job, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(job);
    return result;
}

RunningProcess::RunningProcess(const std::wstring& commandLine)
{
    std::wstring line = commandLine;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_))
        info_ = {};
}

RunningProcess::~RunningProcess()
{
    if (!Started())
        return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool RunningProcess::Running() const
{
    return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace taramel::installer_test
