// The window side of a control's skin state: the answers to the skin
// commands, the common window messages, and the background that children
// paint under themselves.
#include <windows.h>

#include "base/Color.h"
#include "engine/ControlPaint_win.h"
#include "engine/ControlSkinState.h"
#include "engine/GlowWindows_win.h"
#include "engine/SkinCommand_win.h"
#include "engine/SkinDelivery_win.h"
#include "engine/SkinManager_win.h"
#include "framework/WinControl.h"
#include "paint/SectionPaint_win.h"
#include "render/Bitmap_win.h"
#include "render/FactorOps.h"
#include "render/SysColors.h"
#include "skin/SkinLookups.h"
#include "skin/SkinState.h"

namespace taramel {

namespace {

bool Destroying(const TControl* c) { return c != nullptr && c->IsDestroying(); }

TWinControl* AsWindowed(TControl* c)
{
    return c != nullptr && c->IsWindowed() ? static_cast<TWinControl*>(c) : nullptr;
}

// A skin command with an argument, to a control (a window gets SendMessage,
// a windowless control a direct call).
LRESULT SendCommand(TControl* control, std::uint16_t code, std::uint16_t arg, LPARAM lParam)
{
    if (control == nullptr)
        return 0;
    if (TWinControl* w = AsWindowed(control)) {
        if (w->IsDestroying() || !w->HandleAllocated())
            return 0;
        return SendMessageA(w->Handle(), SM_ALPHACMD, MakeSkinWParam(code, arg), lParam);
    }
    return control->Perform(SM_ALPHACMD, MakeSkinWParam(code, arg), lParam);
}

}  // namespace

TsCommonData::TsCommonData(TControl* owner, TControlClass controlClass, bool withCache)
    : owner_(owner), controlClass_(controlClass)
{
    if (withCache)
        CacheBmp = std::make_unique<TBitmap>(0, 0, TPixelFormat::pf24bit);
}

TsCommonData::~TsCommonData()
{
    SectionIndex = BorderMaskIndex = PatternIndex = HotPatternIndex = -1;
    if (GlowID != -1)
        HideGlow();
    owner_ = nullptr;
    explicitManager_ = nullptr;
}

TsSkinManager* TsCommonData::SkinManager() const
{
    return explicitManager_ != nullptr ? explicitManager_ : DefaultManager();
}

const TSkinTables* TsCommonData::Tables() const
{
    TsSkinManager* m = SkinManager();
    return m != nullptr ? &m->Tables() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const
{
    const TSkinTables* t = Tables();
    return t != nullptr && SectionExists(*t, SectionIndex) ? &t->Sections[SectionIndex] : nullptr;
}

const TsMaskData* TsCommonData::BorderMask() const
{
    const TSkinTables* t = Tables();
    return t != nullptr && ImageExists(*t, BorderMaskIndex) ? &t->Images[BorderMaskIndex] : nullptr;
}

std::string TsCommonData::DefaultSection() const
{
    std::string name = DefaultSectionOf(ClassCode());
    if (name.empty() && owner_ != nullptr)
        name = owner_->ClassName();
    return name;
}

void TsCommonData::SetSkinSection(const std::string& section)
{
    std::string upper = section;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (upper.empty())
        upper = "UNKNOWN";
    // Compared after upper-casing: "panel" over a stored "PANEL" is no change.
    if (upper == skinSection_)
        return;
    skinSection_ = upper;
    TsSkinManager* m = SkinManager();
    if (m == nullptr || m->Tables().Sections.empty())
        SectionIndex = -1;
    else
        UpdateIndexes();
    TellOwnerAboutSection();
}

void TsCommonData::TellOwnerAboutSection()
{
    if (owner_ == nullptr || owner_->IsLoading() || owner_->IsDestroying() || owner_->Parent() == nullptr)
        return;
    TsSkinManager* m = SkinManager();
    const bool valid = m != nullptr && !m->Tables().Sections.empty() && SectionExists(m->Tables(), SectionIndex);
    owner_->Perform(SM_ALPHACMD, MakeSkinWParam(valid ? CMD_REPAINT : CMD_REMOVE_SKIN),
                    reinterpret_cast<LPARAM>(m));
}

void TsCommonData::SetSkinManager(TsSkinManager* manager)
{
    if (manager == DefaultManager())
        manager = nullptr;
    if (manager == explicitManager_)
        return;
    explicitManager_ = manager;
    TsSkinManager* m = SkinManager();
    if (owner_ == nullptr || !owner_->IsLoading()) {
        if (m != nullptr && !m->Tables().Sections.empty())
            UpdateIndexes();
        else
            SectionIndex = -1;
    }
    if (owner_ == nullptr || owner_->Parent() == nullptr || owner_->IsDestroying())
        return;
    const bool valid = m != nullptr && !m->Tables().Sections.empty() && SectionExists(m->Tables(), SectionIndex);
    try {
        owner_->Perform(SM_ALPHACMD, MakeSkinWParam(valid ? CMD_REPAINT : CMD_REMOVE_SKIN),
                        reinterpret_cast<LPARAM>(m));
    } catch (...) {
        // The manager is set whatever the owner makes of it.
    }
}

void TsCommonData::SetCustomColor(bool value)
{
    customColor_ = value;
    Invalidate();
}

void TsCommonData::SetCustomFont(bool value)
{
    customFont_ = value;
    Invalidate();
}

void TsCommonData::UpdateIndexes()
{
    CacheDirty = true;
    const TSkinTables* t = Tables();
    SectionIndex = t != nullptr ? FindSection(*t, skinSection_) : -1;
    if (t == nullptr || !SectionExists(*t, SectionIndex)) {
        SectionIndex = -1;
        FillFlags = 0;
        PaintFlags = 0;
        BorderMaskIndex = PatternIndex = HotPatternIndex = -1;
        return;
    }
    const TsGeneralData& s = t->Sections[SectionIndex];
    FillFlags = SectionFillFlags(s);
    PaintFlags = 0;
    BorderMaskIndex = s.BorderIndex;
    PatternIndex = FindImage(*t, SectionIndex, skinSection_, "PATTERN");
    HotPatternIndex = FindImage(*t, SectionIndex, skinSection_, "HOTPATTERN");
    RecomputePaintFlags();
}

void TsCommonData::Loaded()
{
    if (!skinSection_.empty())
        UpdateIndexes();
    else
        SetSkinSection(DefaultSection());
}

bool TsCommonData::Skinned(bool checkReady) const
{
    TsSkinManager* m = SkinManager();
    if (m == nullptr || SectionIndex < 0 || m->IsDestroying() || Destroying(owner_))
        return false;
    if (checkReady && !m->SkinReady())
        return false;
    return SectionExists(m->Tables(), SectionIndex);
}

bool TsCommonData::OwnerCanPaint() const
{
    if (owner_ == nullptr || owner_->Parent() == nullptr)
        return false;
    if (owner_->IsLoading() || owner_->IsDestroying())
        return false;
    if (TWinControl* w = AsWindowed(owner_))
        return w->HandleAllocated();
    return true;
}

void TsCommonData::Invalidate()
{
    if (owner_ == nullptr || owner_->IsLoading() || owner_->IsDestroying())
        return;
    CacheDirty = true;
    if (OwnerCanPaint())
        owner_->Invalidate();
}

void TsCommonData::BeginUpdate()
{
    Updating = true;
    SendCommand(owner_, CMD_BEGIN_UPDATE, 0, 0);
}

void TsCommonData::EndUpdate()
{
    Updating = false;
    SendCommand(owner_, CMD_END_UPDATE, 0, 0);
}

bool TsCommonData::InHotState() const
{
    if (owner_ == nullptr || !owner_->Enabled() || owner_->IsDestroying())
        return false;
    if (Focused)
        return true;
    if (TWinControl* w = AsWindowed(owner_); w != nullptr && w->HandleAllocated() && w->Focused())
        return true;
    return MouseAbove && !IsNoHotClass(ClassCode());
}

bool TsCommonData::MustPaintThroughCache() const
{
    return SkinChangeAnimation || (PaintFlags & pfPaintDirectly) == 0 || InHotState();
}

bool TsCommonData::IsUpdating()
{
    if (SkinManager() == nullptr)
        return false;
    if (owner_ != nullptr && owner_->IsDestroying())
        return Updating;
    if (!MustPaintThroughCache())
        return Updating;
    if (Updating)
        return true;
    if (owner_ == nullptr || owner_->Parent() == nullptr)
        return true;
    return SendCommand(owner_->Parent(), CMD_IS_UPDATING, 0, 0) != 0;
}

bool TsCommonData::RepaintsWithParent() const
{
    if (CacheLocked || !Skinned() || owner_ == nullptr || !owner_->Visible())
        return true;
    const TsGeneralData* s = Section();
    if (s == nullptr)
        return false;
    if (!owner_->Enabled() || s->Transparency > 0) {
        TWinControl* parent = owner_->Parent();
        if (parent != nullptr && parent->HandleAllocated())
            return SendCommand(parent, CMD_DRAWS_CHILD_BG, 0, 0) != 0;
        return true;
    }
    return false;
}

void TsCommonData::PrepareCache()
{
    if (!CacheBmp)
        CacheBmp = std::make_unique<TBitmap>(0, 0, TPixelFormat::pf24bit);
    if (CacheBmp->PixelFormat() != TPixelFormat::pf24bit)
        CacheBmp->SetPixelFormat(TPixelFormat::pf24bit);
    const int w = owner_ != nullptr ? owner_->Width() : 0;
    const int h = owner_ != nullptr ? owner_->Height() : 0;
    if (CacheBmp->Width() != w || CacheBmp->Height() != h)
        CacheBmp->SetSize(w, h);
}

void TsCommonData::RecomputePaintFlags(bool recursive)
{
    PaintFlags &= ~pfPaintDirectly;
    const TsGeneralData* s = Section();
    const bool container = ClassCode() == static_cast<int>(TControlClass::Panel);
    if (s != nullptr && container) {
        // Only a fully see-through section depends on how the parent paints.
        bool parentPlain = false;
        if (s->Transparency == 100 && owner_ != nullptr && owner_->Parent() != nullptr)
            parentPlain = (SendCommand(owner_->Parent(), CMD_TRANSPARENCY_FLAGS, 0, 0) & pfPaintDirectly) != 0;
        if (!SectionNeedsCache(*s, BorderMask(), parentPlain))
            PaintFlags |= pfPaintDirectly;
    }
    if (recursive)
        if (TWinControl* w = AsWindowed(owner_)) {
            TMessage m{SM_ALPHACMD, MakeSkinWParam(CMD_TRANSPARENCY_FLAGS), 1, 0};
            SendToChildControls(w, m);
        }
}

TColor TsCommonData::GetBackgroundColor(bool hot, void* window)
{
    const TsGeneralData* s = Skinned() ? Section() : nullptr;
    if (s != nullptr) {
        const int t = hot ? s->HotTransparency : s->Transparency;
        const TColor c = hot ? s->HotColor : s->Color;
        if (t >= 100)
            return ParentBackgroundColor(owner_, static_cast<HWND>(window));
        if (t > 0) {
            if (owner_ == nullptr)
                return 0;
            // The parent shows through with the weight T / 100.
            return MixColors(static_cast<TColor>(ColorToRGB(ParentBackgroundColor(owner_, nullptr))), c, t / 100.0);
        }
        if (!customColor_)
            return c;
    }
    return owner_ != nullptr ? owner_->Color() : clBtnFace;
}

TColor TsCommonData::BackgroundColorAnswer()
{
    if (owner_ == nullptr)
        return 0;
    const TsGeneralData* s = Skinned() ? Section() : nullptr;
    if (s == nullptr)
        return static_cast<TColor>(ColorToRGB(owner_->Color()));
    const int t = s->Transparency;
    if (t <= 0)
        return s->Color;
    TWinControl* parent = owner_->Parent();
    if (t >= 100) {
        if (parent == nullptr)
            return static_cast<TColor>(ColorToRGB(owner_->Color()));
        const TColor answer = static_cast<TColor>(SendCommand(parent, CMD_GET_BG_COLOR, 0, clNone));
        return answer == clNone ? static_cast<TColor>(ColorToRGB(parent->Color())) : answer;
    }
    const TColor p = parent != nullptr ? ParentBackgroundColor(owner_, nullptr)
                                       : static_cast<TColor>(ColorToRGB(owner_->Color()));
    return TransparencyAnswerColor(t, s->Color, p);
}

void TsCommonData::GetBackgroundInfo(BackgroundInfo& info, bool hot, void* window)
{
    const TsGeneralData* s = Skinned() ? Section() : nullptr;
    if (s == nullptr || customColor_) {
        if (owner_ != nullptr) {
            info.Kind = bikColor;
            info.Color = owner_->Color();
            if (info.PaintNow && info.TargetDC != nullptr)
                FillSolid(static_cast<HDC>(info.TargetDC), ToRECT(info.Area), info.Color);
        }
        return;
    }
    const int t = hot ? s->HotTransparency : s->Transparency;
    const int g = hot ? s->HotGradientPercent : s->GradientPercent;
    const int i = hot ? s->HotImagePercent : s->ImagePercent;
    const bool hasCache = CacheBmp != nullptr && !CacheBmp->Empty();
    if (t == 0 && g <= 0 && i <= 0) {
        info.Kind = bikColor;
        info.Bitmap = CacheBmp.get();
        info.Color = GetBackgroundColor(hot, window);
        if (info.PaintNow && info.TargetDC != nullptr)
            FillSolid(static_cast<HDC>(info.TargetDC), ToRECT(info.Area), info.Color);
        return;
    }
    if (t >= 100) {
        const TsMaskData* mask = BorderMask();
        const bool thin = mask == nullptr || (mask->WL + mask->WR <= 24 && mask->WT + mask->WB <= 24);
        if (thin) {
            // The child sees through to the grandparent: the request goes on
            // in the parent's coordinates, so the owner's position is added
            // before it is forwarded (a picture painted at once lands at the
            // right place) and to the offsets of a bitmap answer.
            if (owner_ != nullptr && owner_->Parent() != nullptr) {
                ForwardBackgroundRequest(info, owner_->Parent(), owner_->Left(), owner_->Top());
            } else if (window != nullptr) {
                HWND w = static_cast<HWND>(window);
                RECT r;
                GetWindowRect(w, &r);
                HWND parent = GetParent(w);
                MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
                ForwardBackgroundRequestByHandle(info, parent, r.left, r.top);
            } else {
                info.Kind = bikColor;
                info.Color = DefaultManager() != nullptr ? GlobalBackColor(DefaultManager()->Tables())
                                                         : static_cast<TColor>(clBtnFace);
            }
            return;
        }
        if (!hasCache) {
            info.Kind = bikColor;
            info.Color = owner_ != nullptr ? ParentBackgroundColor(owner_, nullptr)
                         : DefaultManager() != nullptr ? GlobalBackColor(DefaultManager()->Tables())
                                                       : static_cast<TColor>(clBtnFace);
            return;
        }
    } else if (!hasCache) {
        info.Kind = bikColor;
        info.Color = clNone;
        return;
    }
    info.Kind = bikBitmap;
    if (info.PaintNow && info.TargetDC != nullptr) {
        if (HDC src = BitmapDC(*CacheBmp)) {
            GdiFlush();
            BitBlt(static_cast<HDC>(info.TargetDC), info.Area.Left, info.Area.Top, info.Area.Width(),
                   info.Area.Height(), src, info.OffsetX, info.OffsetY, SRCCOPY);
        }
    } else {
        info.Bitmap = CacheBmp.get();
        info.OffsetX = info.OffsetY = 0;
    }
}

bool TsCommonData::ManagerMatches(std::intptr_t lParam) const
{
    return reinterpret_cast<TsSkinManager*>(lParam) == SkinManager();
}

void TsCommonData::ShowGlow(bool hot, void* window)
{
    TsSkinManager* manager = SkinManager();
    const TsGeneralData* section = Section();
    if (manager == nullptr || !manager->AllowGlowing || SectionIndex < 0 || section == nullptr ||
        section->GlowCount <= 0)
        return;
    HWND target = static_cast<HWND>(window);
    if (TWinControl* w = AsWindowed(owner_); target == nullptr && w != nullptr && w->HandleAllocated())
        target = w->Handle();
    if (target == nullptr)
        return;
    if (owner_ != nullptr) {
        // No glow while the mouse is elsewhere or pressing the control, and a
        // hot control keeps the glow it has.
        const bool pressing = GetKeyState(VK_LBUTTON) < 0 && GetCapture() == target;
        if (!MouseAbove || pressing || (hot && GlowID != -1)) {
            HideGlow();
            return;
        }
    }
    // A glow shown again is placed anew; the old one goes.
    HideGlow();
    RECT r;
    GetWindowRect(target, &r);
    // The part of the control its parents let be seen.
    RECT visible = r;
    for (HWND parent = GetParent(target); parent != nullptr && (GetWindowLongW(target, GWL_STYLE) & WS_CHILD);
         parent = GetParent(parent)) {
        RECT client;
        GetClientRect(parent, &client);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
        IntersectRect(&visible, &visible, &client);
        if (!(GetWindowLongW(parent, GWL_STYLE) & WS_CHILD))
            break;
    }
    GlowID = ShowGlowWindow(r, visible, SkinSection(), manager, GetAncestor(target, GA_ROOT), 255,
                            section->GlowMargin, "GLOW");
}

void TsCommonData::HideGlow()
{
    if (GlowID != -1)
        HideGlowWindow(GlowID);
    GlowID = -1;
}

bool TsCommonData::HandleSkinCommand(TMessage& m)
{
    const std::uint16_t code = SkinCommandOf(m.WParam);
    const std::uint16_t arg = SkinArgOf(m.WParam);
    switch (code) {
    case CMD_NEW_SKIN:
        if (ManagerMatches(m.LParam)) {
            UpdateIndexes();
            SkinAnnouncing = false;
        }
        return true;
    case CMD_REMOVE_SKIN:
        if (ManagerMatches(m.LParam)) {
            TsSkinManager* manager = reinterpret_cast<TsSkinManager*>(m.LParam);
            if (manager != nullptr && manager->IsDestroying() && manager == explicitManager_)
                explicitManager_ = nullptr;
            SectionIndex = BorderMaskIndex = PatternIndex = HotPatternIndex = -1;
            Updating = true;
            // The cache memory goes back; the bitmap object stays for the next skin.
            if (CacheBmp)
                CacheBmp->SetSize(0, 0);
        }
        return true;
    case CMD_REPAINT:
        if (ManagerMatches(m.LParam)) {
            CacheDirty = true;
            Updating = false;
            RecomputePaintFlags();
        }
        return true;
    case CMD_SET_UPDATING:
        Updating = arg == 1;
        return true;
    case CMD_LOCK_CACHE:
        CacheLocked = arg == 1;
        return true;
    case CMD_IS_UPDATING:
        m.Result = CacheDirty || Updating ? 1 : 0;
        return true;
    case CMD_IS_PARTLY_HIDDEN:
        m.Result = PartlyHidden ? 1 : 0;
        return true;
    case CMD_PARENT_BG_CHANGED:
        if (const TsGeneralData* s = Section(); s != nullptr && s->Transparency > 0 && arg == 1)
            CacheDirty = true;
        return true;
    case CMD_CACHE_DIRTY:
        CacheDirty = true;
        return true;
    case CMD_DRAWS_CHILD_BG: {
        const TsGeneralData* s = Section();
        if (s == nullptr)
            return true;
        if (s->Transparency == 100 && owner_ != nullptr && owner_->Parent() != nullptr)
            m.Result = SendCommand(owner_->Parent(), CMD_DRAWS_CHILD_BG, 0, 0);
        else
            m.Result = (s->GradientPercent + s->ImagePercent > 0 || RepaintsWithParent()) ? 1 : 0;
        return true;
    }
    case CMD_BOUNDS_CHANGED: {
        const bool withParent = RepaintsWithParent();
        CacheDirty = CacheDirty || withParent;
        if (TWinControl* w = AsWindowed(owner_)) {
            if (arg == 1 && w->HandleAllocated())
                RedrawWindow(w->Handle(), nullptr, nullptr,
                             RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT | RDW_INVALIDATE);
            if (withParent)
                for (int i = 0; i < w->ControlCount(); ++i)
                    if (!w->Controls(i)->IsDestroying())
                        SendCommand(w->Controls(i), CMD_BOUNDS_CHANGED, 0, 0);
        }
        return true;
    }
    case CMD_GET_BG_COLOR:
        if (owner_ == nullptr)
            return false;
        m.Result = static_cast<LRESULT>(BackgroundColorAnswer());
        return true;
    case CMD_SET_PARTLY_HIDDEN:
        PartlyHidden = true;
        return true;
    case CMD_GET_SKIN_INDEX:
        m.Result = Skinned() ? SectionIndex + 1 : 0;
        return true;
    case CMD_GET_BG_INFO:
        if (m.LParam != 0)
            GetBackgroundInfo(*reinterpret_cast<BackgroundInfo*>(m.LParam), false);
        return true;
    case CMD_TRANSPARENCY_FLAGS:
        if (m.LParam == 1)
            RecomputePaintFlags(true);
        else
            m.Result = PaintFlags;
        return true;
    case CMD_IS_SKINNED:
        m.Result = 1;
        return true;
    default:
        return false;
    }
}

bool TsCommonData::HandleWindowMessage(TMessage& m)
{
    if (m.Msg == SM_ALPHACMD)
        return HandleSkinCommand(m);
    if (owner_ == nullptr)
        return false;
    const int code = ClassCode();
    switch (m.Msg) {
    case WM_MOVE:
        if (RepaintsWithParent()) {
            CacheDirty = true;
            SendCommand(owner_, CMD_BOUNDS_CHANGED, 1, 0);
        }
        HideGlow();
        return false;
    case WM_SIZE:
        if (Skinned()) {
            CacheDirty = true;
            const TsGeneralData* s = Section();
            TWinControl* w = AsWindowed(owner_);
            if (w != nullptr && s != nullptr && s->GradientPercent > 0)
                for (int i = 0; i < w->ControlCount(); ++i) {
                    TControl* child = w->Controls(i);
                    const TAlign a = child->Align();
                    if (!child->IsDestroying() && a != TAlign::alRight && a != TAlign::alBottom)
                        SendCommand(child, CMD_BOUNDS_CHANGED, 1, 0);
                }
        }
        HideGlow();
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (TWinControl* w = AsWindowed(owner_); w != nullptr && w->TabStop()) {
            CacheDirty = true;
            Focused = m.Msg == WM_SETFOCUS;
            if (IsEditLikeClass(code) && w->HandleAllocated() && (Focused || w->Visible()))
                RedrawWindow(w->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
        return false;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
        MouseAbove = false;
        Focused = false;
        if (!owner_->Enabled() && GlowID != -1)
            HideGlow();
        return false;
    case WM_UPDATEUISTATE:
        return Skinned();
    case CM_VISIBLECHANGED:
        if (CacheBmp) {
            if (m.WParam != 0) {
                Updating = false;
                CacheDirty = true;
            } else {
                CacheBmp->SetSize(0, 0);
            }
        }
        return false;
    case CM_MOUSEENTER:
        if (TWinControl* w = AsWindowed(owner_)) {
            if (TsSkinManager* manager = DefaultManager()) {
                if (!IsNoHotClass(code))
                    MouseAbove = true;
                if (w->HandleAllocated())
                    manager->SetHotWindow(w->Handle());
            }
            if (!IsNoHotClass(code) && !IsButtonClass(code))
                ShowGlow(true);
        } else {
            MouseAbove = true;
        }
        return false;
    case CM_MOUSELEAVE:
        MouseAbove = false;
        if (!IsNoHotClass(code) && !IsButtonClass(code))
            HideGlow();
        return false;
    default:
        return false;
    }
}

int ParentSectionForText(TControl* control, int fallback)
{
    TsSkinManager* manager = DefaultManager();
    TWinControl* parent = control != nullptr ? control->Parent() : nullptr;
    while (parent != nullptr && manager != nullptr) {
        const int answer = static_cast<int>(SendCommand(parent, CMD_GET_SKIN_INDEX, 0, 0));
        // 0 means the parent is not skinned: section 0 is a real section.
        if (answer <= 0)
            return fallback;
        const int i = answer - 1;
        if (!SectionExists(manager->Tables(), i))
            return fallback;
        const TsGeneralData& s = manager->Tables().Sections[i];
        if (s.Transparency > 50 && parent->Parent() != nullptr) {
            parent = parent->Parent();
            continue;
        }
        return s.GiveOwnFont ? i : fallback;
    }
    return fallback;
}

}  // namespace taramel
