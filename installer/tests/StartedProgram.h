// The installed (or unpacked) program started as a user starts it, watched
// from outside until its main window has had its first skinned paint, then
// closed the way a user closes it.
#pragma once

#include <windows.h>

#include <string>

namespace taramel::installer_test {

// What a shortcut holds, or what a user does who opens the program's folder
// and starts it there.
struct ProgramStart {
    std::wstring program;
    std::wstring arguments;
    std::wstring workingFolder;
};

struct ProgramRun {
    bool started = false;
    bool skinnedPaint = false;  // the main window's first paint with the skin
    bool mainWindowFound = false;
    bool frameShaped = false;   // the skin cuts the frame's corners
    bool endedOnClose = false;
    std::wstring caption;
};

// The main window's caption, with the version the build gives.
std::wstring MainCaption();

// Starts the program, waits (at most a minute) for its first skinned paint,
// finds its main window, saves a picture of it as PICTURE (a BMP file, for
// whoever looks at a failure), and closes it.
ProgramRun RunProgramOnce(const ProgramStart& start, const std::wstring& picture);

}  // namespace taramel::installer_test
