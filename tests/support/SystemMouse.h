// Real mouse input for Win32 tests that need the system's own loops (moving,
// sizing, modal windows): the input is sent from another thread while this
// one runs the message loop, where those loops run.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <thread>

#include "tests/support/MessagePump.h"

namespace taramel::testsupport {

// Runs `steps` on another thread while this one pumps, then lets what the
// input caused settle.
inline void MouseFromAnotherThread(const std::function<void()>& steps)
{
    std::atomic<bool> done{false};
    std::thread mouse([&] {
        steps();
        done = true;
    });
    PumpUntil([&] { return done.load(); }, 5000);
    mouse.join();
    Pump(30);
}

// Moves the pointer to (x, y) as a user would; call from the input thread.
inline void MovePointer(int x, int y)
{
    SetCursorPos(x, y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    Sleep(60);
}

// A drag with the left button from `from` through each point of `through`,
// released at the last one; call from the input thread.
inline void DragThrough(POINT from, std::initializer_list<POINT> through)
{
    MovePointer(from.x, from.y);
    Sleep(100);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(150);
    for (const POINT p : through)
        MovePointer(p.x, p.y);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(100);
}

}  // namespace taramel::testsupport
