// Skin changes reach every control once, and switching the skin or hovering
// a thousand times leaves the GDI objects and the memory where they were.
#include <gtest/gtest.h>

#include <map>

#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;

// Counts the paints each control gets, through its replaceable procedure.
class TPaintCounter {
public:
    void Watch(TControl* control)
    {
        TWindowProc old = control->WindowProc;
        control->WindowProc = [this, control, old](TMessage& m) {
            if (m.Msg == WM_PAINT)
                ++counts[control];
            old(m);
        };
        controls.push_back(control);
    }
    void Reset() { counts.clear(); }
    std::map<TControl*, int> counts;
    std::vector<TControl*> controls;
};

class SkinChangeTest : public SkinnedControlsTest {
protected:
    void Build()
    {
        panel = Add<TsPanel>(form, 0, 0, 460, 120);
        plain = Add<TsPanel>(form, 0, 120, 460, 60);
        plain->SkinData()->SetSkinSection("PANEL_LOW");
        label = Add<TsLabel>(panel, 10, 10, 200, 30);
        label->SetCaption("Вопрос");
        link = Add<TsWebLabel>(plain, 10, 10, 200, 20);
        link->SetCaption("example.com");
        group = Add<TsGroupBox>(panel, 220, 10, 185, 100);
        group->SetCaption("Порядок");
        bar = Add<TsStatusBar>(form, 0, 0, 460, 22);
        bar->SetAlign(TAlign::alBottom);
        button = Add<TsSpeedButton>(bar, 3, 3, 150, 17);
        button->SetCaption("Ссылка");
        ShowForm();
        for (TControl* c : std::initializer_list<TControl*>{panel, plain, label, link, group, bar, button})
            counter.Watch(c);
    }
    void ExpectEachPaintedOnce(const char* what)
    {
        testsupport::Pump(60);
        for (TControl* c : counter.controls)
            EXPECT_EQ(counter.counts[c], 1) << what << ": " << c->ClassName();
        counter.Reset();
    }

    TsPanel* panel = nullptr;
    TsPanel* plain = nullptr;
    TsLabel* label = nullptr;
    TsWebLabel* link = nullptr;
    TsGroupBox* group = nullptr;
    TsStatusBar* bar = nullptr;
    TsSpeedButton* button = nullptr;
    TPaintCounter counter;
};

TEST_F(SkinChangeTest, SkinOnOffAndHueReachEveryControlOnce)
{
    Build();
    testsupport::Pump(60);
    counter.Reset();
    SkinOn();
    ExpectEachPaintedOnce("on");
    SkinOff();
    ExpectEachPaintedOnce("off");
    SkinOn();
    counter.Reset();
    manager->SetHueOffset(120);
    ExpectEachPaintedOnce("hue");
    // The new colours are in the caches: the panel's top row is no longer blue.
    const TCapture shot(*panel);
    EXPECT_LT(Blue(shot.At(5, 0)), Green(shot.At(5, 0)) + Red(shot.At(5, 0)));
}

// A form hidden through a skin change paints none of its controls then, and
// each of them once, in the new colours, when it is shown.
TEST_F(SkinChangeTest, ControlsOfAHiddenFormPaintTheNewSkinWhenShown)
{
    Build();
    SkinOn();
    testsupport::Pump(60);
    form->Hide();
    testsupport::Pump(30);
    counter.Reset();
    manager->SetHueOffset(120);
    testsupport::Pump(60);
    for (TControl* c : counter.controls)
        EXPECT_EQ(counter.counts[c], 0) << "hidden: " << c->ClassName();
    counter.Reset();
    form->Show();
    ExpectEachPaintedOnce("shown");
    const TCapture shot(*panel);
    EXPECT_LT(Blue(shot.At(5, 0)), Green(shot.At(5, 0)) + Red(shot.At(5, 0)));
}

struct TUsage {
    DWORD Gdi;
    SIZE_T Memory;
};

// The live GDI objects of the process. The system's own count where it keeps
// one; wine reports none, but it accepts a handle by its table index alone
// (a zero high word), so every index is asked for its object type.
DWORD CountGdiObjects()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0)
        return reported;
    DWORD n = 0;
    for (std::uintptr_t h = 1; h < 0x10000; ++h)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0)
            ++n;
    return n;
}

TEST(GdiCount, FollowsObjectsCreatedAndDeleted)
{
    const DWORD before = CountGdiObjects();
    HBRUSH brushes[5];
    for (HBRUSH& b : brushes)
        b = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(CountGdiObjects(), before + 5);
    for (HBRUSH b : brushes)
        DeleteObject(b);
    EXPECT_EQ(CountGdiObjects(), before);
}

// The committed private memory of the process, region by region (wine
// keeps no page-file figure).
SIZE_T CommittedPrivateBytes()
{
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (auto* p = static_cast<char*>(nullptr); VirtualQuery(p, &info, sizeof(info)) == sizeof(info);) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
        char* next = static_cast<char*>(info.BaseAddress) + info.RegionSize;
        if (next <= p)
            break;
        p = next;
    }
    return total;
}

TUsage Usage()
{
    return {CountGdiObjects(), CommittedPrivateBytes()};
}

TEST(MemoryCount, FollowsCommittedMemory)
{
    const SIZE_T before = Usage().Memory;
    void* block = VirtualAlloc(nullptr, 8 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(block, nullptr);
    EXPECT_GE(Usage().Memory, before + (8 << 20));
    VirtualFree(block, 0, MEM_RELEASE);
    EXPECT_LT(Usage().Memory, before + (1 << 20));
}

TEST_F(SkinChangeTest, ThousandSkinCyclesAndHoversLeaveHandlesAndMemoryFlat)
{
    Build();
    SkinOn();
    // Warm up: the first cycles fill caches, fonts and the allocator's pools.
    for (int i = 0; i < 20; ++i) {
        SkinOff();
        SkinOn();
    }
    const TUsage before = Usage();
    for (int i = 0; i < 1000; ++i) {
        manager->SetActive(false);
        Application->ProcessMessages();
        manager->SetActive(true);
        Application->ProcessMessages();
    }
    testsupport::Pump(50);
    const TUsage afterSkins = Usage();
    EXPECT_LE(afterSkins.Gdi, before.Gdi + 2) << "GDI objects " << before.Gdi << " -> " << afterSkins.Gdi;
    EXPECT_LE(afterSkins.Memory, before.Memory + 1024 * 1024)
        << "memory " << before.Memory << " -> " << afterSkins.Memory;

    for (int i = 0; i < 1000; ++i) {
        button->Perform(CM_MOUSEENTER);
        link->Perform(CM_MOUSEENTER);
        Application->ProcessMessages();
        button->Perform(CM_MOUSELEAVE);
        link->Perform(CM_MOUSELEAVE);
        Application->ProcessMessages();
    }
    testsupport::Pump(50);
    const TUsage afterHovers = Usage();
    EXPECT_LE(afterHovers.Gdi, afterSkins.Gdi + 2) << "GDI objects " << afterSkins.Gdi << " -> " << afterHovers.Gdi;
    EXPECT_LE(afterHovers.Memory, afterSkins.Memory + 1024 * 1024)
        << "memory " << afterSkins.Memory << " -> " << afterHovers.Memory;
    std::printf("GDI objects %lu -> %lu -> %lu; memory %lu -> %lu -> %lu KB\n", before.Gdi, afterSkins.Gdi,
                afterHovers.Gdi, static_cast<unsigned long>(before.Memory / 1024),
                static_cast<unsigned long>(afterSkins.Memory / 1024),
                static_cast<unsigned long>(afterHovers.Memory / 1024));
}

}  // namespace
}  // namespace taramel
