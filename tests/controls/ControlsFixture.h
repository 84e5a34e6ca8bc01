// A form of skinned controls over the controls test skin, and reading back
// what a window paints (WM_PRINTCLIENT into a memory bitmap).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/FormLayout_win.h"
#include "controls/SkinnedControls.h"
#include "controls/WebLabel.h"
#include "engine/SkinManager_win.h"
#include "framework/Form.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PixelCanvas.h"

namespace taramel::testing_support {

// The pixels of a window as it paints itself into a bitmap of its size.
class TCapture {
public:
    explicit TCapture(TWinControl& control) : width_(control.Width()), height_(control.Height())
    {
        testsupport::TPixelCanvas canvas(width_, height_);
        // A colour no control paints: what nobody painted stays visible.
        const RECT all{0, 0, width_, height_};
        HBRUSH marker = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(canvas.Dc(), &all, marker);
        DeleteObject(marker);
        SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        pixels_ = canvas.Pixels();
    }
    // As a colour value 0x00BBGGRR.
    COLORREF At(int x, int y) const { return pixels_.at(static_cast<std::size_t>(y * width_ + x)); }
    // How many pixels of the rectangle have exactly this colour.
    int Count(const RECT& r, COLORREF c) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == c ? 1 : 0;
        return n;
    }

private:
    int width_, height_;
    std::vector<COLORREF> pixels_;
};

inline std::string ControlsSkinFolder()
{
    return std::string(TARAMEL_TEST_DATA) + "\\skins";
}

class SkinnedControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->SetActive(false);
        manager->SetSkinDirectory(ControlsSkinFolder());
        manager->SetSkinName("Controls");
        form = new TForm(Application);
        form->AfterConstruction();
        form->SetBounds(10, 10, 460, 300);
    }
    void TearDown() override
    {
        delete form;
        manager.reset();
    }
    // Controls made while the form loads, then the form shown.
    template <class Control>
    Control* Add(TWinControl* parent, int left, int top, int width, int height)
    {
        static int counter = 0;
        const std::string name = "c" + std::to_string(++counter);
        return MakeControl<Control>(form, parent, name.c_str(), left, top, width, height);
    }
    void ShowForm()
    {
        form->EndLoadingAll();
        form->Show();
        testsupport::Pump(50);
    }
    virtual void SkinOn()
    {
        manager->SetActive(true);
        ASSERT_TRUE(manager->SkinReady());
        testsupport::Pump(30);
    }
    void SkinOff()
    {
        manager->SetActive(false);
        testsupport::Pump(30);
    }

    std::unique_ptr<TsSkinManager> manager;
    TForm* form = nullptr;
};

constexpr COLORREF Rgb(int r, int g, int b) { return RGB(r, g, b); }

inline int Red(COLORREF c) { return GetRValue(c); }
inline int Green(COLORREF c) { return GetGValue(c); }
inline int Blue(COLORREF c) { return GetBValue(c); }

// The buttons skin: the button border's green channel tells the state, the
// radio marks' centres tell theirs (normal, hot, pressed).
constexpr int kNormalGreen = 100, kHotGreen = 200, kPressedGreen = 0;
const COLORREF kUnchecked[3] = {Rgb(200, 200, 0), Rgb(0, 200, 200), Rgb(200, 120, 0)};
const COLORREF kChecked[3] = {Rgb(0, 0, 120), Rgb(0, 120, 0), Rgb(120, 0, 0)};

// The old look's weight in a fade frame, from a left border pixel's green
// channel going from `from` to `to`.
inline int FadeWeightOf(const TBitmap& frame, int from, int to)
{
    const int g = frame.ScanLine(frame.Height() / 2)[1 * 3 + 1];
    return (g - to) * 255 / (from - to);
}

// Runs the button's fade to its end by hand (the system timer is stopped)
// and gives the old look's weight in every frame.
inline std::vector<int> FadeWeights(TsBitBtn& button, int from, int to)
{
    std::vector<int> weights;
    TsFadeTimer* fade = button.Fade();
    if (fade == nullptr)
        return weights;
    fade->SetEnabled(false);
    while (button.Fade() != nullptr && weights.size() < 10) {
        const int before = fade->CurrentStep();
        fade->Step();
        if (button.Fade() != nullptr && fade->CurrentStep() != before)
            weights.push_back(FadeWeightOf(fade->Frame(), from, to));
    }
    return weights;
}

inline void ExpectFadeWeights(const std::vector<int>& got, const std::vector<int>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 2) << "frame " << i;
}

// The centre of a radio button's mark as the button paints it.
inline COLORREF RadioMarkColour(TsRadioButton& radio)
{
    const RECT m = radio.MarkRect();
    return TCapture(radio).At((m.left + m.right) / 2, (m.top + m.bottom) / 2);
}

}  // namespace taramel::testing_support
