// The control skin state on real windows: section resolution and the
// commands it answers, the colour answers, text colours through parents,
// and the background a see-through container hands on to its children.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <new>

#include "engine/ControlPaint_win.h"
#include "skin/SkinLookups.h"
#include "tests/controls/ControlsFixture.h"

namespace taramel {
namespace {

using namespace testing_support;

class SkinStateTest : public SkinnedControlsTest {};

TEST_F(SkinStateTest, SectionNamesResolveAndTheOwnerIsToldOnce)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 100, 50);
    ShowForm();
    SkinOn();
    TsCommonData& data = *panel->SkinData();
    int repaints = 0, removals = 0;
    TWindowProc old = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        if (m.Msg == SM_ALPHACMD && SkinCommandOf(m.WParam) == CMD_REPAINT)
            ++repaints;
        if (m.Msg == SM_ALPHACMD && SkinCommandOf(m.WParam) == CMD_REMOVE_SKIN)
            ++removals;
        old(m);
    };
    EXPECT_EQ(data.SectionIndex, FindSection(manager->Tables(), "PANEL"));
    data.SetSkinSection("panel");  // the same name in other letters
    EXPECT_EQ(repaints + removals, 0);
    data.SetSkinSection("no such section");
    EXPECT_EQ(data.SkinSection(), "NO SUCH SECTION");
    EXPECT_EQ(data.SectionIndex, -1);
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX)), 0);
    data.SetSkinSection("");
    EXPECT_EQ(data.SkinSection(), "UNKNOWN");
    data.SetSkinSection("PANEL_LOW");
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX)),
              FindSection(manager->Tables(), "PANEL_LOW") + 1);
    // A command from another manager is not this control's.
    data.CacheDirty = false;
    panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_REPAINT), 12345);
    EXPECT_FALSE(data.CacheDirty);
    panel->WindowProc = old;
}

TEST_F(SkinStateTest, ColourAnswersOfAPartlyTransparentSection)
{
    auto* white = Add<TsPanel>(form, 0, 0, 200, 100);
    white->SkinData()->SetSkinSection("WHITE");
    auto* half = Add<TsPanel>(white, 10, 10, 100, 50);
    half->SkinData()->SetSkinSection("HALFBLACK");
    ShowForm();
    SkinOn();
    // The command's answer weighs by 256ths; the colour for painting by the percentage.
    EXPECT_EQ(half->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_COLOR), 0xFF00FF), 0x272727);
    EXPECT_EQ(half->SkinData()->GetBackgroundColor(false), 0x666666);
    EXPECT_EQ(white->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_BG_COLOR), 0xFF00FF), 0xFFFFFF);
}

TEST_F(SkinStateTest, LabelLooksThroughAMostlyTransparentParentForItsColour)
{
    auto* outer = Add<TsPanel>(form, 0, 0, 300, 200);
    outer->SkinData()->SetSkinSection("PANEL_LOW");
    auto* glass = Add<TsPanel>(outer, 10, 10, 200, 100);
    glass->SkinData()->SetSkinSection("SEETHROUGH");
    auto* label = Add<TsLabel>(glass, 5, 5, 100, 20);
    auto* direct = Add<TsLabel>(form, 5, 250, 100, 20);
    ShowForm();
    SkinOn();
    EXPECT_EQ(ParentSectionForText(label, -1), FindSection(manager->Tables(), "PANEL_LOW"));
    EXPECT_EQ(label->CurrentTextColor(), 0xFFFFFF);
    // On the unskinned form there is no section: the skin's text colour.
    EXPECT_EQ(ParentSectionForText(direct, -1), -1);
    EXPECT_EQ(direct->CurrentTextColor(), GlobalTextColor(manager->Tables()));
    // Section 0 of the skin is a section like the others.
    EXPECT_EQ(FindSection(manager->Tables(), "GLOBALINFO"), 0);
    auto* onGlobal = Add<TsPanel>(form, 300, 0, 50, 50);
    onGlobal->EndLoadingAll();
    onGlobal->SkinData()->SetSkinSection("GLOBALINFO");
    auto* inGlobal = Add<TsLabel>(onGlobal, 0, 0, 10, 10);
    inGlobal->EndLoadingAll();
    EXPECT_EQ(onGlobal->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX)), 1);
    EXPECT_EQ(ParentSectionForText(inGlobal, -1), -1);  // GLOBALINFO gives no font of its own
}

// A child at (50, 60) of `control` asks for its 20 x 20 area painted at
// once: the answer is a picture, and the child's column 5 at rows 0, 10 and
// 19 shows `expected`(row).
void ExpectChildAreaPainted(TControl* control, const std::function<COLORREF(int row)>& expected)
{
    const testsupport::TPixelCanvas canvas(20, 20);
    BackgroundInfo info;
    info.PaintNow = 1;
    info.TargetDC = canvas.Dc();
    info.Area = {0, 0, 20, 20};
    info.OffsetX = 50;
    info.OffsetY = 60;
    EXPECT_EQ(RequestParentBackground(info, control, true), 1);
    EXPECT_EQ(info.Kind, bikBitmap);
    for (int y : {0, 10, 19})
        EXPECT_EQ(GetPixel(canvas.Dc(), 5, y), expected(y)) << y;
}

TEST_F(SkinStateTest, SeeThroughContainerHandsOnThePictureFromItsOwnPlace)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 300, 200);
    auto* group = Add<TsGroupBox>(panel, 40, 30, 185, 121);
    ShowForm();
    SkinOn();
    const TCapture under(*panel);
    ExpectChildAreaPainted(group, [&](int y) { return under.At(10, 30 + 60 + y); });
    // A bitmap answer carries the box's place in the panel's picture.
    BackgroundInfo asked;
    RequestParentBackground(asked, group, false);
    EXPECT_EQ(asked.Kind, bikBitmap);
    EXPECT_EQ(asked.OffsetX, 40);
    EXPECT_EQ(asked.OffsetY, 30);
}

TEST_F(SkinStateTest, GroupBoxWithCaptionSkinPaintsTheAskedPlaceOfItsPicture)
{
    auto* panel = Add<TsPanel>(form, 0, 0, 300, 200);
    auto* group = Add<TsGroupBox>(panel, 40, 30, 185, 121);
    group->SetCaption("Порядок");
    group->SetCaptionSkin("WHITE");
    ShowForm();
    SkinOn();
    const TCapture own(*group);
    ExpectChildAreaPainted(group, [&](int y) { return own.At(55, 60 + y); });
    BackgroundInfo asked;
    RequestParentBackground(asked, group, false);
    EXPECT_EQ(asked.Kind, bikBitmap);
    EXPECT_EQ(asked.OffsetX, 0);
    EXPECT_EQ(asked.Bitmap, group->SkinData()->CacheBmp.get());
}

TEST_F(SkinStateTest, ControlWithoutParentPaintingThroughItsCacheCountsAsUpdating)
{
    SkinOn();
    TsPanel loose(nullptr);
    loose.SkinData()->Loaded();
    ASSERT_GE(loose.SkinData()->SectionIndex, 0);
    EXPECT_TRUE(loose.SkinData()->MustPaintThroughCache());
    EXPECT_TRUE(loose.SkinData()->IsUpdating());
}


#ifdef _WIN64
// A skin manager placed above 4 GB, where 64-bit Windows puts the heap as a
// rule (wine64 puts it low, so the test places it there itself).
class ManagerAbove4GB {
public:
    ManagerAbove4GB()
    {
        for (int gb = 64; gb < 64 + 16 && memory_ == nullptr; ++gb)
            memory_ = VirtualAlloc(reinterpret_cast<void*>(static_cast<std::uintptr_t>(gb) << 32),
                                   sizeof(TsSkinManager), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (memory_ != nullptr)
            manager_ = new (memory_) TsSkinManager(nullptr);
    }
    ~ManagerAbove4GB()
    {
        if (manager_ != nullptr)
            manager_->~TsSkinManager();
        if (memory_ != nullptr)
            VirtualFree(memory_, 0, MEM_RELEASE);
    }
    ManagerAbove4GB(const ManagerAbove4GB&) = delete;
    ManagerAbove4GB& operator=(const ManagerAbove4GB&) = delete;
    TsSkinManager* get() const { return manager_; }

private:
    void* memory_ = nullptr;
    TsSkinManager* manager_ = nullptr;
};
#endif

// The manager of a command travels whole in its LPARAM: a control whose
// manager lies above 4 GB takes the skin it announces, and a command of a
// manager that differs only above the low 32 bits of the address is not its.
TEST_F(SkinStateTest, ControlsTakeTheSkinOfAManagerAbove4GB)
{
#ifndef _WIN64
    GTEST_SKIP() << "addresses have 32 bits in this build";
#else
    manager.reset();
    ManagerAbove4GB high;
    ASSERT_NE(high.get(), nullptr) << "no memory to reserve above 4 GB";
    TsSkinManager& m = *high.get();
    ASSERT_TRUE(m.IsDefault());
    m.SetActive(false);
    m.SetSkinDirectory(ControlsSkinFolder());
    m.SetSkinName("Controls");
    auto* panel = Add<TsPanel>(form, 0, 0, 100, 50);
    ShowForm();
    m.SetActive(true);
    ASSERT_TRUE(m.SkinReady());
    testsupport::Pump(30);
    EXPECT_EQ(panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_GET_SKIN_INDEX)),
              FindSection(m.Tables(), "PANEL") + 1);
    TsCommonData& data = *panel->SkinData();
    const LPARAM mine = reinterpret_cast<LPARAM>(&m);
    data.CacheDirty = false;
    panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_REPAINT), mine ^ (LPARAM{1} << 40));
    EXPECT_FALSE(data.CacheDirty) << "another manager's command";
    panel->Perform(SM_ALPHACMD, MakeSkinWParam(CMD_REPAINT), mine);
    EXPECT_TRUE(data.CacheDirty);
    // The form goes before its manager, as the fixture's own do.
    delete form;
    form = nullptr;
#endif
}

}  // namespace
}  // namespace taramel
