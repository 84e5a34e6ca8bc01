// Owning wrappers for GDI and USER handles, and the framework's own count of
// what they hold. The count exists because the system's per-process counters
// are not available everywhere (wine's always answer 0); every handle the
// framework creates goes through these wrappers, so a leak shows as a count
// that does not come back to where it started.
#pragma once

#include <windows.h>

#include <utility>

namespace taramel {

enum class THandleKind { Font, Brush, Pen, Bitmap, DC, Region, Window, Count_ };

void NoteHandleCreated(THandleKind kind);
void NoteHandleFreed(THandleKind kind);
int HandleCount(THandleKind kind);
// All kinds together.
int HandleCount();

// An owned GDI object (font, brush, pen, bitmap, region), deleted with DeleteObject.
template <class H, THandleKind Kind>
class TGdiHandle {
public:
    TGdiHandle() = default;
    // Takes ownership of a freshly created handle; a null handle holds nothing.
    explicit TGdiHandle(H handle) : handle_(handle)
    {
        if (handle_)
            NoteHandleCreated(Kind);
    }
    TGdiHandle(TGdiHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TGdiHandle& operator=(TGdiHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    TGdiHandle(const TGdiHandle&) = delete;
    TGdiHandle& operator=(const TGdiHandle&) = delete;
    ~TGdiHandle() { Reset(); }

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(H handle = nullptr)
    {
        if (handle_) {
            DeleteObject(handle_);
            NoteHandleFreed(Kind);
        }
        handle_ = handle;
        if (handle_)
            NoteHandleCreated(Kind);
    }

private:
    H handle_ = nullptr;
};

using TFontHandle = TGdiHandle<HFONT, THandleKind::Font>;
using TBrushHandle = TGdiHandle<HBRUSH, THandleKind::Brush>;
using TPenHandle = TGdiHandle<HPEN, THandleKind::Pen>;
using TBitmapHandle = TGdiHandle<HBITMAP, THandleKind::Bitmap>;
using TRegionHandle = TGdiHandle<HRGN, THandleKind::Region>;

// A memory DC compatible with another DC, deleted with DeleteDC.
class TMemoryDC {
public:
    explicit TMemoryDC(HDC compatible);
    ~TMemoryDC();
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A window's DC from GetDC, given back with ReleaseDC.
class TWindowDC {
public:
    explicit TWindowDC(HWND window);
    ~TWindowDC();
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class TPaintDC {
public:
    explicit TPaintDC(HWND window);
    ~TPaintDC();
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return paint_.hdc; }
    const RECT& PaintRect() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Selects an object into a DC and puts the previous one back.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~TSelectObject()
    {
        if (old_)
            SelectObject(dc_, old_);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// SaveDC / RestoreDC.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~TSavedDC() { RestoreDC(dc_, saved_); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace taramel
