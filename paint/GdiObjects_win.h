// Scoped GDI objects and device-context state for the painters' Win32
// halves (the window framework's handles live a layer above).
#pragma once

#include <windows.h>

namespace taramel {

// A GDI object deleted when it goes out of scope.
template <class Handle>
class OwnedGdi {
public:
    explicit OwnedGdi(Handle h = nullptr) : h_(h) {}
    ~OwnedGdi()
    {
        if (h_)
            DeleteObject(h_);
    }
    OwnedGdi(const OwnedGdi&) = delete;
    OwnedGdi& operator=(const OwnedGdi&) = delete;
    Handle Get() const { return h_; }

private:
    Handle h_;
};

// Saves a device context's whole state and gives it back.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    ~SavedDC() { RestoreDC(dc_, id_); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int id_;
};

}  // namespace taramel
