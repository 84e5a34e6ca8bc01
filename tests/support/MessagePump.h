// Letting the program's message loop run inside a Win32 test.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "framework/Application.h"

namespace taramel::testsupport {

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

// Runs the message loop for `ms` milliseconds.
inline void Pump(int ms)
{
    PumpUntil([] { return false; }, ms);
}

}  // namespace taramel::testsupport
