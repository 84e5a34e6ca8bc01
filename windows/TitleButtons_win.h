// Extra caption buttons of a skinned form (the provider's TitleButtons) and
// the hint window that shows a hot title button's Hint.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "render/Bitmap.h"

namespace taramel {

class TsTitleButton {
public:
    std::string Name;
    // A disabled button neither presses nor fires; it is drawn washed out.
    bool Enabled = true;
    // Drawn centred over the button: 32-bit glyphs blend by their alpha,
    // others take their bottom-left pixel as the see-through colour.
    std::unique_ptr<TBitmap> Glyph;
    std::string Hint;
    // False: no "TITLEBUTTON" image under the glyph.
    bool UseSkinData = true;
    std::function<void(TsTitleButton&)> OnMouseDown;
    std::function<void(TsTitleButton&)> OnMouseUp;
};

// The hint of a title button: a topmost window in the tooltip colour at most
// 200 pixels wide, at the cursor plus (8, 16), shown without activation and
// faded in when the system fades its tooltips and the text is short.
class TitleHintWindow {
public:
    TitleHintWindow() = default;
    TitleHintWindow(const TitleHintWindow&) = delete;
    TitleHintWindow& operator=(const TitleHintWindow&) = delete;
    ~TitleHintWindow();

    void Show(const std::string& text, POINT cursor);
    void Hide();
    HWND Handle() const { return window_; }
    const std::wstring& Text() const { return text_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::wstring text_;
};

}  // namespace taramel
