// The skin state of one skinned control: which section it is drawn with and
// that section's indexes in the active skin, the cache bitmap with the flags
// that decide when it is rebuilt, and the common answers to the skin
// commands that the manager, parents and children send. The rules that need
// no window live here (ControlSkinState.cpp); the message handling, the
// background answers and the cache's device context are the Win32 half
// (ControlSkinState_win.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/Color.h"
#include "engine/ControlClass.h"
#include "render/Bitmap.h"
#include "skin/SkinTables.h"

namespace taramel {

class TControl;
class TsSkinManager;
struct TMessage;
struct BackgroundInfo;

// Class codes that never show a hot look (containers, status bar...).
bool IsNoHotClass(int code);
// Class codes whose frame is redrawn on focus and mouse changes.
bool IsEditLikeClass(int code);
// Speed button, button and bit button: they draw their own glow.
bool IsButtonClass(int code);
// The section a class code takes when none was given; empty for a code of
// no kind of its own (the caller then uses the owner's class name).
std::string DefaultSectionOf(int code);

// The fill bits of a section: bit 2 an image fill, bits 0-1 the gradient
// (2 vertical bands, 1 horizontal, 3 four corners).
std::uint16_t SectionFillFlags(const TsGeneralData& section);
// Whether a section's look must be kept in a cache bitmap: a thick border
// mask, any see-through share (fully transparent counts unless the parent
// says it paints plainly), a gradient or an image fill.
bool SectionNeedsCache(const TsGeneralData& section, const TsMaskData* borderMask, bool parentPaintsDirectly);
// The widest border of a mask, 0 without one or when it is hidden in the
// normal state.
int MaskMaxBorderWidth(const TsMaskData* mask);
// The common answer to the background-colour command of a partly
// transparent section: per byte (T * (P - C) + C * 256) >> 8, clamped, with
// T the transparency percentage, C the section colour, P the parent's answer.
TColor TransparencyAnswerColor(int transparency, TColor color, TColor parent);

enum TsPaintFlag : std::uint16_t { pfPaintDirectly = 1 };

class TsCommonData {
public:
    // `withCache`: the owner wants an (empty) cache bitmap at once.
    TsCommonData(TControl* owner, TControlClass controlClass, bool withCache = false);
    ~TsCommonData();
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;

    TControl* OwnerControl() const { return owner_; }
    TControlClass ControlClass() const { return controlClass_; }
    int ClassCode() const { return static_cast<int>(controlClass_); }

    const std::string& SkinSection() const { return skinSection_; }
    // Stores the name upper-cased ("UNKNOWN" for an empty one); an equal
    // name changes nothing. A new name is resolved and the owner is told to
    // repaint (or to drop the skin when the section does not exist).
    void SetSkinSection(const std::string& section);
    // The manager chosen for this control; null follows the default one.
    TsSkinManager* SkinManager() const;
    TsSkinManager* ExplicitManager() const { return explicitManager_; }
    void SetSkinManager(TsSkinManager* manager);
    bool CustomColor() const { return customColor_; }
    void SetCustomColor(bool value);
    bool CustomFont() const { return customFont_; }
    void SetCustomFont(bool value);

    // The section a class code takes by default: the table's name, else the
    // owner's class name.
    std::string DefaultSection() const;
    // At the end of loading: resolves the section, choosing the default one
    // for an empty name.
    void Loaded();
    void UpdateIndexes();
    // A manager with a ready skin in which the section exists.
    bool Skinned(bool checkReady = false) const;
    // The active skin's tables, null without a manager.
    const TSkinTables* Tables() const;
    const TsGeneralData* Section() const;
    const TsMaskData* BorderMask() const;

    // Marks the cache dirty and invalidates a paintable owner.
    void Invalidate();
    void BeginUpdate();
    void EndUpdate();
    void SetUpdating(bool value) { Updating = value; }
    bool IsUpdating();
    bool InHotState() const;
    bool MustPaintThroughCache() const;
    bool RepaintsWithParent() const;
    int MaxBorderWidth() const { return MaskMaxBorderWidth(BorderMask()); }
    // A 24-bit cache of the owner's size.
    void PrepareCache();
    void FreeCache() { CacheBmp.reset(); }
    void RecomputePaintFlags(bool recursive = false);

    void GetBackgroundInfo(BackgroundInfo& info, bool hot, void* window = nullptr);
    TColor GetBackgroundColor(bool hot, void* window = nullptr);
    // The common answer to the background-colour command.
    TColor BackgroundColorAnswer();

    // The common reactions to skin commands and window messages; true when
    // the message is answered and the owner need not handle it further.
    bool HandleSkinCommand(TMessage& message);
    bool HandleWindowMessage(TMessage& message);

    // The section's glow around the control (or the given window) while the
    // mouse is over it and not pressing it; its id in GlowID.
    void ShowGlow(bool hot, void* window = nullptr);
    void HideGlow();

    int GlowID = -1;
    bool Updating = false;
    int BorderMaskIndex = -1;
    int SectionIndex = -1;
    int PatternIndex = -1;
    int HotPatternIndex = -1;
    bool CacheLocked = false;
    bool CacheDirty = true;
    bool PartlyHidden = true;
    std::unique_ptr<TBitmap> CacheBmp;
    bool Focused = false;
    bool MouseAbove = false;
    std::uint16_t PaintFlags = 0;
    std::uint16_t FillFlags = 0;

private:
    bool OwnerCanPaint() const;
    // The LPARAM of a skin command: a manager's whole address (pointer-sized).
    bool ManagerMatches(std::intptr_t lParam) const;
    void TellOwnerAboutSection();

    TControl* owner_;
    TControlClass controlClass_;
    std::string skinSection_;
    bool customColor_ = false;
    bool customFont_ = false;
    TsSkinManager* explicitManager_ = nullptr;
};

// The section whose font colour a label on `control` uses: the parent's
// section when it gives its own font, passing through parents that are more
// than half transparent; `fallback` otherwise.
int ParentSectionForText(TControl* control, int fallback);

}  // namespace taramel
