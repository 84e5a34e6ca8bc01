#include "framework/Handles.h"

#include <array>

namespace taramel {

namespace {
// One GUI thread: plain counters are enough.
std::array<int, static_cast<std::size_t>(THandleKind::Count_)> counts{};
}

void NoteHandleCreated(THandleKind kind) { ++counts[static_cast<std::size_t>(kind)]; }
void NoteHandleFreed(THandleKind kind) { --counts[static_cast<std::size_t>(kind)]; }
int HandleCount(THandleKind kind) { return counts[static_cast<std::size_t>(kind)]; }

int HandleCount()
{
    int total = 0;
    for (int count : counts)
        total += count;
    return total;
}

TMemoryDC::TMemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible))
{
    if (dc_)
        NoteHandleCreated(THandleKind::DC);
}

TMemoryDC::~TMemoryDC()
{
    if (dc_) {
        DeleteDC(dc_);
        NoteHandleFreed(THandleKind::DC);
    }
}

TWindowDC::TWindowDC(HWND window) : window_(window), dc_(GetDC(window))
{
    if (dc_)
        NoteHandleCreated(THandleKind::DC);
}

TWindowDC::~TWindowDC()
{
    if (dc_) {
        ReleaseDC(window_, dc_);
        NoteHandleFreed(THandleKind::DC);
    }
}

TPaintDC::TPaintDC(HWND window) : window_(window)
{
    BeginPaint(window_, &paint_);
    if (paint_.hdc)
        NoteHandleCreated(THandleKind::DC);
}

TPaintDC::~TPaintDC()
{
    EndPaint(window_, &paint_);
    if (paint_.hdc)
        NoteHandleFreed(THandleKind::DC);
}

}  // namespace taramel
