// TacBorderForm: the window that shows a form's extended border. A layered
// tool window, never activated, kept directly below its form in Z order,
// holding the frame cache (border, title, caption buttons and the shadow
// around them) with its per-pixel alpha. Mouse input on it is hit-tested
// like the form's frame and handed to the form: the caption moves the form,
// the caption buttons press and click through the form's buttons, the edges
// size a sizeable form.
#pragma once

#include <windows.h>

#include "windows/SkinProvider_win.h"

namespace taramel {

class TacBorderForm : public TBorderWindowLink {
public:
    // Made invisible; the first update shows it when the form is visible.
    explicit TacBorderForm(TsSkinProvider& owner);
    ~TacBorderForm() override;
    TacBorderForm(const TacBorderForm&) = delete;
    TacBorderForm& operator=(const TacBorderForm&) = delete;

    // Places the window below the form at the frame's place and hands it the
    // frame cache when that changed; hides it while the form is hidden or
    // minimised or the application is minimised.
    void Update(TsSkinProvider& provider) override;
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void Hide();
    // Hands a mouse message on to the form; a press activates the form.
    LRESULT Forward(UINT msg, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;

    TsSkinProvider* owner_;
    HWND window_ = nullptr;
    bool updating_ = false;
    bool trackingLeave_ = false;
    // What the window shows: the frame cache's serial and size.
    bool filled_ = false;
    unsigned shownSerial_ = 0;
    SIZE shownSize_{};
    bool maximizedRegion_ = false;
};

}  // namespace taramel
