// Helpers for driving windows through their messages in tests.
#pragma once

#include "framework/Application.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace taramel::testing_support {

// Collects what the common error report would have shown.
class ReportCatcher {
public:
    ReportCatcher()
    {
        Application->OnException = [this](const std::string& text) { reports.push_back(text); };
    }
    ~ReportCatcher() { Application->OnException = nullptr; }
    std::vector<std::string> reports;
};

// Runs the message loop until `done` or until `limitMs` passed; true when done.
inline bool PumpUntil(const std::function<bool()>& done, int limitMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        Application->ProcessMessages();
        Sleep(1);
    }
    return true;
}

inline void Pump(int ms)
{
    PumpUntil([] { return false; }, ms);
}

inline LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

}  // namespace taramel::testing_support
