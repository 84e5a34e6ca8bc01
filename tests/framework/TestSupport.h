// Helpers for driving windows through their messages in tests.
#pragma once

#include "framework/Application.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/MessagePump.h"

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

using testsupport::Pump;
using testsupport::PumpUntil;

inline LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

}  // namespace taramel::testing_support
