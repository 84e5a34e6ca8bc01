#include "windows/SkinProvider_win.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "engine/Composition_win.h"
#include "engine/ControlPaint_win.h"
#include "engine/SkinCommand_win.h"
#include "engine/SkinDelivery_win.h"
#include "engine/SkinnedWindows_win.h"
#include "engine/SkinManager_win.h"
#include "engine/SkinableMenus_win.h"
#include "engine/SystemMenuRules.h"
#include "windows/SystemMenu_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "framework/Messages.h"
#include "paint/BuiltInLooks_win.h"
#include "paint/ExtendedBorder_win.h"
#include "paint/GdiObjects_win.h"
#include "paint/Glyphs.h"
#include "paint/Masks.h"
#include "paint/Masks_win.h"
#include "paint/SectionPaint.h"
#include "paint/SectionPaint_win.h"
#include "paint/Text_win.h"
#include "render/Bitmap_win.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLookups.h"
#include "skin/SkinPlace.h"
#include "skin/SkinState.h"
#include "windows/BorderForm_win.h"

namespace taramel {

namespace {

constexpr const char* kFormSection = "FORM";
constexpr const char* kTitleSection = "FORMTITLE";
// The system's request to open the window menu (Alt+Space, Shift+F10 on the caption).
constexpr UINT WM_POPUPSYSTEMMENU_ = 0x313;
// How far the copy of the button area reaches left of the buttons.
constexpr int kButtonAreaSlack = 10;

int XOf(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int YOf(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

// Never freed: providers die with their forms, which the application object
// destroys at the program's end, after function-local statics are gone.
std::unordered_map<HWND, TsSkinProvider*>& Providers()
{
    static auto* map = new std::unordered_map<HWND, TsSkinProvider*>;
    return *map;
}

const TSkinTables* SkinTables()
{
    TsSkinManager* m = DefaultManager();
    return m != nullptr && m->SkinReady() ? &m->Tables() : nullptr;
}

const TsMaskData* ImageAt(const TSkinTables& t, int index)
{
    return index >= 0 && index < static_cast<int>(t.Images.size()) ? &t.Images[static_cast<std::size_t>(index)]
                                                                     : nullptr;
}

int GlobalImage(const TSkinTables& t, const char* name)
{
    return FindImage(t, t.CommonIndexes.GlobalInfo, "GLOBALINFO", name);
}

// A timing program may ask to hear of the main window's first skinned paint:
// it names an event in TARAMEL_FIRST_PAINT_EVENT, which is set once. Without
// the variable nothing happens.
void SignalFirstSkinnedPaint()
{
    static bool signalled = false;
    if (signalled)
        return;
    signalled = true;
    wchar_t name[128];
    const DWORD n = GetEnvironmentVariableW(L"TARAMEL_FIRST_PAINT_EVENT", name, 128);
    if (n == 0 || n >= 128)
        return;
    if (HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        SetEvent(event);
        CloseHandle(event);
    }
}

// Rows of a 24-bit bitmap's rectangle kept in memory (not as a device
// bitmap: the copies live as long as the frame and count no GDI objects).
SavedPixels SavePixels(const TBitmap& from, const TRect& r)
{
    SavedPixels saved;
    saved.Rect = r;
    const std::size_t row = static_cast<std::size_t>(r.Width()) * 3;
    saved.Bytes.resize(row * static_cast<std::size_t>(r.Height()));
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(saved.Bytes.data() + row * static_cast<std::size_t>(y), from.ScanLine(r.Top + y) + r.Left * 3,
                    row);
    return saved;
}

void RestorePixels(TBitmap& to, const SavedPixels& saved)
{
    const TRect& r = saved.Rect;
    const std::size_t row = static_cast<std::size_t>(r.Width()) * 3;
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(to.ScanLine(r.Top + y) + r.Left * 3, saved.Bytes.data() + row * static_cast<std::size_t>(y), row);
}

// The shadow's margins as the frame takes them: a skin's form offset beyond
// its image's border makes a margin negative, which leaves that side without
// a shadow (the form never reaches out of its picture).
FrameMargins FrameShadow(const TacShadowMargins& s)
{
    return {std::max(0, s.Left), std::max(0, s.Top), std::max(0, s.Right), std::max(0, s.Bottom)};
}

HICON SmallIconOf(HWND window)
{
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    return icon;
}

}  // namespace

TsSkinProvider* ProviderOfWindow(HWND window)
{
    auto it = Providers().find(window);
    return it == Providers().end() ? nullptr : it->second;
}

TsSkinProvider::TsSkinProvider(TComponent* owner, TCustomForm* form) : TComponent(owner), form_(form)
{
    Providers()[form_->Handle()] = this;
    savedProc_ = form_->WindowProc;
    form_->WindowProc = [this](TMessage& message) { FormWindowProc(message); };
    RegisteredSkinForms().push_back(form_);
    if (SkinTables() != nullptr)
        Prepare();
}

TsSkinProvider::~TsSkinProvider()
{
    auto& forms = RegisteredSkinForms();
    if (auto it = std::find(forms.begin(), forms.end(), form_); it != forms.end()) {
        *it = forms.back();
        forms.pop_back();
    }
    const bool alive = !form_->IsDestroying() && form_->HandleAllocated();
    if (alive)
        Unprepare();
    form_->WindowProc = savedProc_;
    for (auto it = Providers().begin(); it != Providers().end();)
        it = it->second == this ? Providers().erase(it) : std::next(it);
    if (alive)
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND TsSkinProvider::Window() const
{
    return form_->Handle();
}

void TsSkinProvider::Prepare()
{
    const TSkinTables* t = SkinTables();
    if (t == nullptr)
        return;
    formSection_ = FindSection(*t, kFormSection);
    titleSection_ = FindSection(*t, kTitleSection);
    ChooseButtonImages();

    // The system must draw no caption buttons of its own.
    const LONG styleBits = GetWindowLongW(Window(), GWL_STYLE);
    if (!skinned_)
        hadSysMenu_ = (styleBits & WS_SYSMENU) != 0;
    if (styleBits & WS_SYSMENU)
        SetWindowLongW(Window(), GWL_STYLE, styleBits & ~WS_SYSMENU);
    skinned_ = true;
    active_ = GetActiveWindow() == Window();
    cacheDirty_ = true;
    DropCopies();
    regionChanged_ = true;
    menuLine_.Drop();
    if (TMainMenu* menu = form_->Menu())
        if (TsSkinManager* manager = DefaultManager())
            manager->SkinableMenus().HookMainMenu(*menu, manager->Active());
    SetExtended(WantsExtended());
}

void TsSkinProvider::Unprepare()
{
    if (!skinned_)
        return;
    SetExtended(false);
    skinned_ = false;
    if (hadSysMenu_)
        SetWindowLongW(Window(), GWL_STYLE, GetWindowLongW(Window(), GWL_STYLE) | WS_SYSMENU);
    SetWindowRgn(Window(), nullptr, FALSE);
    cache_.reset();
    DropCopies();
    menuLine_.Drop();
    if (capturing_) {
        capturing_ = false;
        ReleaseCapture();
    }
    buttons_ = CaptionButtonStates{};
    StopFades();
    hint_.Hide();
    hintHit_ = fhNowhere;
    EndOutlineDrag(false);
}

void TsSkinProvider::ChooseButtonImages()
{
    const TSkinTables* t = SkinTables();
    if (t == nullptr)
        return;
    const TFormBorderStyle style = form_->BorderStyle();
    const CaptionImages images =
        ChooseCaptionImages(style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable,
                            IsZoomed(Window()) != FALSE, IsIconic(Window()) != FALSE,
                            [t](const char* name) {
                                // An image that draws nothing counts as missing: the
                                // fallbacks, or the built-in look, take its place.
                                const int index = GlobalImage(*t, name);
                                return DrawableStateImage(*t, index) ? index : -1;
                            });
    bigButtons_ = images.Big;
    buttonImages_ = images.Index;
}

CaptionButtonSet TsSkinProvider::ButtonSet() const
{
    const TFormBorderStyle style = form_->BorderStyle();
    const unsigned icons = form_->BorderIcons();
    CaptionButtonRules r;
    r.HadSysMenu = hadSysMenu_;
    r.Framed = style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable;
    r.BiMaximize = (icons & biMaximize) != 0;
    r.BiMinimize = (icons & biMinimize) != 0;
    r.BiHelp = (icons & biHelp) != 0;
    r.Minimized = IsIconic(Window()) != FALSE;
    r.Maximized = IsZoomed(Window()) != FALSE;
    return CaptionButtonsFor(r);
}

FrameMetrics TsSkinProvider::Metrics() const
{
    FrameMetrics m;
    const HWND w = Window();
    RECT wr;
    GetWindowRect(w, &wr);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    m.Width = wr.right - wr.left;
    m.Height = wr.bottom - wr.top;
    // The frame is painted into what the system reserves: its borders and
    // caption are measured on the window itself.
    m.Border = origin.x - wr.left;
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    const int top = origin.y - wr.top;
    // The system's menu bar lies between the caption and the client.
    m.MenuHeight = TacMenuLine::BarOf(w, form_->Menu()).Height();
    m.Caption = (style & WS_CAPTION) == WS_CAPTION ? std::max(0, top - m.Border - m.MenuHeight) : 0;
    m.Sizeable = (style & WS_THICKFRAME) != 0;
    m.Maximized = IsZoomed(w) != FALSE;
    m.Minimized = IsIconic(w) != FALSE;
    m.BigButtons = bigButtons_;
    m.Buttons = ButtonSet();
    m.Icon = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    RECT client;
    GetClientRect(w, &client);
    m.Client = {origin.x - wr.left, origin.y - wr.top, origin.x - wr.left + client.right,
                origin.y - wr.top + client.bottom};
    if (const TSkinTables* t = SkinTables()) {
        if (gripMode_ == gmRightBottom)
            if (const TsMaskData* grip = ImageAt(*t, GlobalImage(*t, "GRIPIMAGE")))
                m.Grip = {StateImageWidth(*grip), StateImageHeight(*grip)};
        m.ButtonSpacing = t->SkinData.BISpacing;
        m.ButtonRightMargin = t->SkinData.BIRightMargin;
        m.ButtonLeftMargin = t->SkinData.BILeftMargin;
        m.ButtonVAlign = t->SkinData.BIVAlign;
        const TsMaskData* titleImage = ImageAt(*t, GlobalImage(*t, "TITLEBUTTON"));
        for (const auto& button : titleButtons_) {
            if (button->UseSkinData && titleImage != nullptr)
                m.TitleButtonSizes.push_back({StateImageWidth(*titleImage), StateImageHeight(*titleImage)});
            else if (button->Glyph && !button->Glyph->Empty())
                m.TitleButtonSizes.push_back({button->Glyph->Width(), button->Glyph->Height()});
            else
                m.TitleButtonSizes.push_back(CaptionButtonSize(0, 0, false));
        }
        for (int i = 0; i < cbCount; ++i) {
            const TsMaskData* mask = ImageAt(*t, buttonImages_[static_cast<std::size_t>(i)]);
            m.ButtonSizes[static_cast<std::size_t>(i)] =
                mask != nullptr ? CaptionButtonSize(StateImageWidth(*mask), StateImageHeight(*mask), true)
                                : CaptionButtonSize(0, 0, false);
        }
    }
    if (extended_)
        ExtendMetrics(m);
    return m;
}

void TsSkinProvider::ExtendMetrics(FrameMetrics& m) const
{
    const TSkinTables* t = SkinTables();
    const TsSkinManager* manager = DefaultManager();
    if (t == nullptr || manager == nullptr)
        return;
    ExtendedBorderValues v;
    v.BorderWidth = t->SkinData.BorderWidth;
    v.TitleHeight = t->SkinData.TitleHeight;
    v.BorderMode = t->SkinData.BorderMode;
    v.CenterOffset = t->SkinData.CenterOffset;
    const ExtendedFrame f = LayoutExtendedFrame(v, false, m.Caption > 0 || m.Minimized, m.Maximized,
                                                GetSystemMetrics(SM_CYCAPTION), 0, 0);
    // The manager's margins: they follow the skin's image or the built-in
    // shadow and the desktop's composition.
    const FrameMargins s = FrameShadow(manager->ShadowMargins());
    m.ExtendedBorder = true;
    m.Shadow = s;
    m.BorderMode = v.BorderMode;
    m.CenterOffset = v.CenterOffset;
    m.Border = f.Border;
    m.Caption = f.Caption;
    // The frame is built around the client: the skin's border on three
    // sides, its title above, the shadow outside.
    const int width = m.Client.Width(), height = m.Client.Height();
    const int left = s.Left + f.Border, top = s.Top + f.Caption + m.MenuHeight;
    m.Client = {left, top, left + width, top + height};
    m.Width = std::max(1, left + width + f.Border + s.Right);
    m.Height = std::max(1, top + height + f.Border + s.Bottom);
}

POINT TsSkinProvider::FrameOrigin() const
{
    RECT wr;
    GetWindowRect(Window(), &wr);
    if (!extended_)
        return POINT{wr.left, wr.top};
    // The client lies where the frame cache has it.
    const FrameMetrics m = Metrics();
    POINT origin{0, 0};
    ClientToScreen(Window(), &origin);
    return POINT{origin.x - m.Client.Left, origin.y - m.Client.Top};
}

int TsSkinProvider::HitTest(POINT screen) const
{
    const POINT origin = FrameOrigin();
    const FrameMetrics m = Metrics();
    return FrameHitTest(m, LayoutFrame(m), TPoint{screen.x - origin.x, screen.y - origin.y});
}

bool TsSkinProvider::WantsExtended() const
{
    const TsSkinManager* manager = DefaultManager();
    if (manager == nullptr || !manager->ExtendedBorders() || !skinned_)
        return false;
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(Window(), GWL_EXSTYLE);
    return form_->BorderStyle() != TFormBorderStyle::bsNone && (style & WS_CHILD) == 0 &&
           (exStyle & WS_EX_MDICHILD) == 0;
}

void TsSkinProvider::SetExtended(bool on)
{
    if (on == extended_)
        return;
    extended_ = on;
    cacheDirty_ = true;
    regionChanged_ = true;
    DropCopies();
    layered_.reset();
    ++frameSerial_;
    if (on)
        borderWindow_ = std::make_unique<TacBorderForm>(*this);
    else
        borderWindow_.reset();
}

bool TsSkinProvider::RefreshFrame()
{
    if (!skinned_ || SkinTables() == nullptr)
        return false;
    const FrameMetrics m = Metrics();
    if (!cacheDirty_ && cache_ && cache_->Width() == m.Width && cache_->Height() == m.Height &&
        (!extended_ || layered_))
        return false;
    BuildCache();
    return true;
}

void TsSkinProvider::ComposeLayered(const FrameLayout& l)
{
    const TsSkinManager* manager = DefaultManager();
    const TSkinTables* t = SkinTables();
    if (!cache_ || manager == nullptr || t == nullptr)
        return;
    const int w = cache_->Width(), h = cache_->Height();
    if (!layered_ || layered_->Width() != w || layered_->Height() != h)
        layered_ = std::make_unique<TBitmap>(w, h, TPixelFormat::pf32bit);
    // The painted form, opaque; outside it nothing until the shadow comes.
    GdiFlush();
    const TRect& f = l.Form;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = cache_->ScanLine(y);
        std::uint8_t* out = layered_->ScanLine(y);
        for (int x = 0; x < w; ++x, in += 3, out += 4) {
            const bool inside = x >= f.Left && x < f.Right && y >= f.Top && y < f.Bottom;
            out[0] = inside ? in[0] : 0;
            out[1] = inside ? in[1] : 0;
            out[2] = inside ? in[2] : 0;
            out[3] = inside ? 255 : 0;
        }
    }
    // The skin's extended border image is laid by its own borders; the
    // built-in pictures by the built-in shadow's margins.
    FrameMargins borders = ShadowMargins(ExtendedBorderValues{}, false);
    if (const TsMaskData* image = ImageAt(*t, t->CommonIndexes.ExBorder))
        borders = {image->WL, image->WT, image->WR, image->WB};
    const TBitmap* picture = active_ ? manager->ActiveShadow() : manager->InactiveShadow();
    const FrameMargins margins = FrameShadow(manager->ShadowMargins());
    std::unique_ptr<TBitmap> shadow;
    if (picture != nullptr && !picture->Empty()) {
        shadow = std::make_unique<TBitmap>();
        shadow->Assign(*picture);
    } else {
        // A program without the built-in pictures still casts a shadow.
        shadow = BuiltInShadow(margins);
        borders = margins;
    }
    // The title is opaque again where a text or an image may have cleared
    // the alpha, but not where the image reaches into the form (its borders
    // beyond the margins): there its shadow and outline are the form's edge.
    const TRect title{l.Title.Left + std::max(0, borders.Left - margins.Left),
                      l.Title.Top + std::max(0, borders.Top - margins.Top),
                      l.Title.Right - std::max(0, borders.Right - margins.Right), l.Title.Bottom};
    ComposeExtendedBorder(*layered_, f, *shadow, borders, margins, title);
    // The layered window mixes premultiplied colours: a skin's picture
    // comes with plain ones.
    for (int y = 0; y < h; ++y) {
        std::uint8_t* px = layered_->ScanLine(y);
        for (int x = 0; x < w; ++x, px += 4)
            if (px[3] < 255)
                for (int c = 0; c < 3; ++c)
                    px[c] = static_cast<std::uint8_t>((px[c] * px[3] + 127) / 255);
    }
    ++frameSerial_;
}

// ---- Painting ----

void TsSkinProvider::BuildCache()
{
    const TSkinTables* t = SkinTables();
    const FrameMetrics m = Metrics();
    if (t == nullptr || m.Width <= 0 || m.Height <= 0)
        return;
    const bool resized = !cache_ || cache_->Width() != m.Width || cache_->Height() != m.Height;
    if (resized)
        cache_ = std::make_unique<TBitmap>(m.Width, m.Height, TPixelFormat::pf24bit);
    const FrameLayout l = LayoutFrame(m);
    const int state = active_ ? 1 : 0;
    const TRect all{0, 0, m.Width, m.Height};
    HDC dc = BitmapDC(*cache_);
    if (dc == nullptr)
        return;
    const TRect top{0, 0, m.Width, l.Top};
    // A caption, a button or the title text that changed needs only the
    // title again: the frame under it is kept from the last full build, as
    // long as the window's size and the activation (which colours the whole
    // border) are those it was built with.
    const bool titleOnly = !resized && !extended_ && m.Caption > 0 && titleCopy_ && titleCopy_->Rect == top &&
                           titleCopyActive_ == active_ && FindImage(*t, formSection_, kFormSection, "BORDERSMASK") >= 0;
    GdiFlush();
    if (titleOnly) {
        RestorePixels(*cache_, *titleCopy_);
    } else {
        // Whatever the form section leaves see-through shows the skin's
        // colour: its own inside (the client's background) among it.
        const BgCache skinBack{nullptr, 0, 0, GlobalBackColor(*t), false};
        FillSolid(dc, ToRECT(all), skinBack.SolidColor);
        GdiFlush();
        PaintSection(*t, formSection_, kFormSection, skinBack, {}, SectionTarget{cache_.get(), l.Form}, state, true);
        titleCopy_.reset();
        if (m.Caption > 0 && l.Top > 0 && !extended_) {
            titleCopy_ = SavePixels(*cache_, top);
            titleCopyActive_ = active_;
        }
    }
    if (l.Grip.Width() > 0) {
        if (const TsMaskData* grip = ImageAt(*t, GlobalImage(*t, "GRIPIMAGE"))) {
            const TPoint at{l.Grip.Left, l.Grip.Top};
            DrawMaskImage(*t, *cache_, at, 0, BgCacheFromBitmap(*cache_, at.X, at.Y), *grip, 1);
        }
    }
    PaintTitle(dc, m, l);
    // A title-only build keeps the menu line as it was painted.
    if (!titleOnly)
        PaintMenuLine(m, l);
    // The right end of the title as it is without the buttons: single
    // buttons are repainted over it.
    buttonArea_.reset();
    if (m.Caption > 0) {
        const int width = std::min(m.Width, l.ButtonAreaWidth + m.Border + m.Shadow.Right + kButtonAreaSlack);
        GdiFlush();
        buttonArea_ = SavePixels(*cache_, TRect{m.Width - width, 0, m.Width, l.Top});
    }
    PaintButtons(l);
    if (extended_)
        ComposeLayered(l);
    else
        ++frameSerial_;
    cacheDirty_ = false;
}

void TsSkinProvider::PaintMenuLine(const FrameMetrics& m, const FrameLayout& l)
{
    TMainMenu* menu = form_->Menu();
    TsSkinManager* manager = DefaultManager();
    const TSkinTables* t = SkinTables();
    if (m.MenuHeight <= 0 || menu == nullptr || manager == nullptr || t == nullptr) {
        menuLine_.Drop();
        return;
    }
    GdiFlush();
    menuLine_.Paint(Window(), *menu, manager->SkinableMenus(), *t, *cache_, l.MenuLine,
                    TacMenuLine::BarOf(Window(), menu), MenuLineSkin);
}

void TsSkinProvider::OnMenuChanged()
{
    cacheDirty_ = true;
    DropCopies();
    menuLine_.Drop();
    regionChanged_ = true;
    if (TMainMenu* menu = form_->Menu())
        if (TsSkinManager* manager = DefaultManager())
            manager->SkinableMenus().HookMainMenu(*menu, manager->Active());
}

bool TsSkinProvider::DrawMenuBarItem(TMessage& message)
{
    TMainMenu* menu = form_->Menu();
    TsSkinManager* manager = DefaultManager();
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    if (menu == nullptr || manager == nullptr || item == nullptr ||
        !menuLine_.DrawItem(Window(), *menu, manager->SkinableMenus(), *item))
        return false;
    message.Result = TRUE;
    return true;
}

void TsSkinProvider::SetGripMode(TGripMode mode)
{
    if (mode == gripMode_)
        return;
    gripMode_ = mode;
    cacheDirty_ = true;
    if (skinned_)
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TsSkinProvider::PaintClient(HDC dc)
{
    if (dc == nullptr)
        return;
    const FrameMetrics m = Metrics();
    if (cacheDirty_ || !cache_ || cache_->Width() != m.Width || cache_->Height() != m.Height)
        BuildCache();
    RECT clip;
    if (GetClipBox(dc, &clip) == ERROR)
        GetClientRect(Window(), &clip);
    if (HDC src = cache_ ? BitmapDC(*cache_) : nullptr) {
        // The client's part of the frame cache, the form section's inside,
        // with the grip where it is drawn.
        GdiFlush();
        BitBlt(dc, 0, 0, m.Client.Width(), m.Client.Height(), src, m.Client.Left, m.Client.Top, SRCCOPY);
    } else {
        FillRect(dc, &clip, GetSysColorBrush(COLOR_BTNFACE));
    }
    form_->PaintGraphicChildren(dc, clip);
    // Windowed children that waited for the form's background may paint now.
    for (int i = 0; i < form_->ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(form_->Controls(i)); w != nullptr && w->HandleAllocated())
            SendToControl(w, CMD_END_PARENT_UPDATE, 0);
}

void TsSkinProvider::AnswerBackground(BackgroundInfo& info)
{
    // The children lie on the form's client area: what is behind them is
    // the frame cache's client part, the form section's inside in the form's
    // activation, not the form's own colour.
    const FrameMetrics m = Metrics();
    if (cacheDirty_ || !cache_ || cache_->Width() != m.Width || cache_->Height() != m.Height)
        BuildCache();
    if (!cache_) {
        info.Kind = bikColor;
        info.Color = static_cast<TColor>(ColorToRGB(form_->Color()));
        if (info.PaintNow && info.TargetDC != nullptr)
            FillSolid(static_cast<HDC>(info.TargetDC), ToRECT(info.Area), info.Color);
        return;
    }
    info.Kind = bikBitmap;
    if (info.PaintNow && info.TargetDC != nullptr) {
        // The offsets give the area's place in the client: the cache holds
        // the whole window.
        if (HDC src = BitmapDC(*cache_)) {
            GdiFlush();
            BitBlt(static_cast<HDC>(info.TargetDC), info.Area.Left, info.Area.Top, info.Area.Width(),
                   info.Area.Height(), src, info.OffsetX + m.Client.Left, info.OffsetY + m.Client.Top, SRCCOPY);
        }
    } else {
        info.Bitmap = cache_.get();
        info.OffsetX = m.Client.Left;
        info.OffsetY = m.Client.Top;
    }
}

void TsSkinProvider::PaintGrip()
{
    if (gripMode_ != gmRightBottom || !cache_ || cacheDirty_)
        return;
    const FrameMetrics m = Metrics();
    const TRect g = LayoutFrame(m).Grip;
    if (g.Width() <= 0 || cache_->Width() != m.Width || cache_->Height() != m.Height)
        return;
    HDC src = BitmapDC(*cache_);
    if (src == nullptr)
        return;
    HDC dc = GetDC(Window());
    if (dc == nullptr)
        return;
    GdiFlush();
    BitBlt(dc, g.Left - m.Client.Left, g.Top - m.Client.Top, g.Width(), g.Height(), src, g.Left, g.Top, SRCCOPY);
    ReleaseDC(Window(), dc);
}

void TsSkinProvider::DropCopies()
{
    titleCopy_.reset();
    buttonArea_.reset();
}

void TsSkinProvider::RepaintButtons()
{
    if (cacheDirty_ || !cache_ || !buttonArea_) {
        cacheDirty_ = true;
        PaintFrame();
        return;
    }
    const FrameMetrics m = Metrics();
    if (cache_->Width() != m.Width || cache_->Height() != m.Height) {
        cacheDirty_ = true;
        PaintFrame();
        return;
    }
    GdiFlush();
    RestorePixels(*cache_, *buttonArea_);
    const FrameLayout l = LayoutFrame(m);
    PaintButtons(l);
    if (extended_) {
        // The border window shows the buttons.
        ComposeLayered(l);
        UpdateBorderWindow();
        return;
    }
    ++frameSerial_;
    HDC src = BitmapDC(*cache_);
    HDC dc = GetWindowDC(Window());
    if (dc == nullptr || src == nullptr)
        return;
    GdiFlush();
    const TRect& r = buttonArea_->Rect;
    BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), src, r.Left, r.Top, SRCCOPY);
    ReleaseDC(Window(), dc);
}

void TsSkinProvider::PaintTitle(HDC dc, const FrameMetrics& m, const FrameLayout& l)
{
    const TSkinTables* t = SkinTables();
    if (m.Caption <= 0 || t == nullptr)
        return;
    const int state = active_ ? 1 : 0;
    if (titleSection_ >= 0) {
        // The title shows the frame under its see-through parts: a copy of
        // it, so that reading and writing never meet.
        TBitmap under;
        under.Assign(*cache_);
        PaintSection(*t, titleSection_, kTitleSection, BgCacheFromBitmap(under, l.Title.Left, l.Title.Top), {},
                     SectionTarget{cache_.get(), l.Title}, state, true);
    }
    const int titleBar = FindImage(*t, formSection_, kFormSection, "TITLEBAR");
    if (const TsMaskData* bar = ImageAt(*t, titleBar)) {
        const int w = std::min(StateImageWidth(*bar), l.Title.Width());
        const TRect r{l.Title.Right - w, l.Title.Top, l.Title.Right, l.Title.Bottom};
        DrawMaskRect(*t, *cache_, r, false, true, state, *bar, BgCacheFromBitmap(*cache_, r.Left, r.Top));
    }
    if (l.Icon.Width() > 0) {
        if (HICON icon = SmallIconOf(Window()))
            DrawIconEx(dc, l.Icon.Left, l.Icon.Top, icon, l.Icon.Width(), l.Icon.Height(), 0, nullptr, DI_NORMAL);
    }
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    ncm.lfCaptionFont.lfWeight = FW_BOLD;
    OwnedGdi<HFONT> font(CreateFontIndirectW(&ncm.lfCaptionFont));
    {
        SavedDC saved(dc);
        SelectObject(dc, font.Get());
        const int section = titleSection_ >= 0 ? titleSection_ : formSection_;
        DrawSectionText(dc, form_->Caption(), t, section, IsWindowEnabled(Window()) != FALSE, active_,
                        DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_LEFT,
                        RECT{l.Text.Left, l.Text.Top, l.Text.Right, l.Text.Bottom});
    }
    GdiFlush();
}

void TsSkinProvider::PaintButtons(const FrameLayout& l)
{
    const TSkinTables* t = SkinTables();
    if (t == nullptr)
        return;
    const CaptionButtonSet set = ButtonSet();
    for (int i = 0; i < cbCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!l.Shown[k])
            continue;
        const auto button = static_cast<TCaptionButton>(i);
        const int hit = CaptionButtonHit(button);
        // A fading button rests in the frame; its new look lies above it.
        const int state = Fading(hit) ? 0 : buttons_.State(hit);
        const TsMaskData* mask = ImageAt(*t, buttonImages_[k]);
        if (mask == nullptr) {
            // Every button that answers a click is seen: without a usable
            // image of the skin it gets the system's face.
            const bool zoomed = IsZoomed(Window()) != FALSE, iconic = IsIconic(Window()) != FALSE;
            const bool restore = (button == cbMax && zoomed) || (button == cbMin && iconic);
            const bool enabled = button == cbMax   ? set.EnabledMax || (zoomed && set.EnabledRestore)
                                 : button == cbMin ? set.EnabledMin || iconic
                                                   : true;
            DrawBuiltInCaptionButton(*cache_, l.Buttons[k], button, restore, BuiltInLook{state, enabled});
            continue;
        }
        // A resting button of an inactive form is drawn washed out.
        const int mode = state == 0 && !active_ ? 2 : 1;
        const TPoint at{l.Buttons[k].Left, l.Buttons[k].Top};
        DrawMaskImage(*t, *cache_, at, state, BgCacheFromBitmap(*cache_, at.X, at.Y), *mask, mode);
    }
    const TsMaskData* titleImage = ImageAt(*t, GlobalImage(*t, "TITLEBUTTON"));
    for (std::size_t i = 0; i < titleButtons_.size() && i < l.TitleButtons.size(); ++i) {
        const TsTitleButton& button = *titleButtons_[i];
        const TRect& r = l.TitleButtons[i];
        const int hit = fhTitleButton + static_cast<int>(i);
        const int state = button.Enabled && !Fading(hit) ? buttons_.State(hit) : 0;
        if (button.UseSkinData && titleImage != nullptr) {
            const int mode = state == 0 && (!active_ || !button.Enabled) ? 2 : 1;
            const TPoint at{r.Left, r.Top};
            DrawMaskImage(*t, *cache_, at, state, BgCacheFromBitmap(*cache_, at.X, at.Y), *titleImage, mode);
        }
        if (button.Glyph)
            DrawCentredGlyph(*cache_, *button.Glyph, r);
    }
}

void TsSkinProvider::UpdateRegion()
{
    regionChanged_ = false;
    const TSkinTables* t = SkinTables();
    if (extended_) {
        // The border window carries the frame: the form keeps its client.
        RECT wr, client;
        GetWindowRect(Window(), &wr);
        GetClientRect(Window(), &client);
        POINT origin{0, 0};
        ClientToScreen(Window(), &origin);
        const int x = origin.x - wr.left, y = origin.y - wr.top;
        // The menu bar stays the form's own, above its client.
        const TRect bar = TacMenuLine::BarOf(Window(), form_->Menu());
        const int top = bar.Empty() ? y : std::min(y, bar.Top);
        SetWindowRgn(Window(), CreateRectRgn(x, top, x + client.right, y + client.bottom), TRUE);
        return;
    }
    const FrameMetrics m = Metrics();
    if (t == nullptr || IsZoomed(Window()))
        return;
    TAOR cut;
    const int mask = FindImage(*t, formSection_, kFormSection, "BORDERSMASK");
    if (const TsMaskData* border = ImageAt(*t, mask)) {
        CollectKeyRects(*t, cut, m.Width, *border, false, 0);
        CollectKeyRects(*t, cut, m.Width, *border, true, m.Height - border->WB);
    }
    const int titleMask = FindImage(*t, titleSection_, kTitleSection, "BORDERSMASK");
    if (const TsMaskData* border = ImageAt(*t, titleMask))
        CollectKeyRects(*t, cut, m.Width, *border, false, 0);
    if (cut.empty()) {
        SetWindowRgn(Window(), nullptr, FALSE);
        return;
    }
    HRGN region = CreateRectRgn(0, 0, m.Width, m.Height);
    for (const TRect& r : cut) {
        OwnedGdi<HRGN> piece(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        CombineRgn(region, region, piece.Get(), RGN_DIFF);
    }
    // The system owns the region from here on.
    SetWindowRgn(Window(), region, FALSE);
}

void TsSkinProvider::PaintFrame()
{
    if (!skinned_ || SkinTables() == nullptr)
        return;
    if (!IsWindowVisible(Window())) {
        // Nothing of a hidden window reaches the screen: what changed stays
        // marked (cache, region) and the first paint after showing builds
        // the frame once. The border window goes with its form.
        UpdateBorderWindow();
        return;
    }
    if (regionChanged_)
        UpdateRegion();
    const FrameMetrics m = Metrics();
    if (cacheDirty_ || !cache_ || cache_->Width() != m.Width || cache_->Height() != m.Height)
        BuildCache();
    if (!cache_)
        return;
    HDC src = BitmapDC(*cache_);
    if (src == nullptr)
        return;
    // With an extended border the frame is the border window's to show.
    if (HDC dc = extended_ ? nullptr : GetWindowDC(Window())) {
        const FrameLayout l = LayoutFrame(m);
        GdiFlush();
        // Only the frame: the client area is the form's own.
        for (const TRect& r : {l.TopStrip, l.LeftStrip, l.BottomStrip, l.RightStrip})
            if (r.Width() > 0 && r.Height() > 0)
                BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), src, r.Left, r.Top, SRCCOPY);
        ReleaseDC(Window(), dc);
    } else if (m.MenuHeight > 0) {
        // The border window shows the frame; the menu bar is the form's.
        const FrameLayout l = LayoutFrame(m);
        const TRect bar = TacMenuLine::BarOf(Window(), form_->Menu());
        if (HDC window = !bar.Empty() ? GetWindowDC(Window()) : nullptr) {
            GdiFlush();
            BitBlt(window, bar.Left, bar.Top, bar.Width(), bar.Height(), src, l.MenuLine.Left, l.MenuLine.Top, SRCCOPY);
            ReleaseDC(Window(), window);
        }
    }
    UpdateBorderWindow();
}

void TsSkinProvider::UpdateBorderWindow()
{
    if (borderWindow_)
        borderWindow_->Update(*this);
}

bool TsSkinProvider::FadesButtons() const
{
    // An extended border shows its buttons in its own layered window, which
    // is repainted at once instead.
    const TsSkinManager* manager = DefaultManager();
    return !extended_ && manager != nullptr && manager->AllowGlowing;
}

bool TsSkinProvider::Fading(int hit) const
{
    // Once glowing is switched off the frame shows every look itself, while
    // fades already running finish above it.
    const TacSBAnimation* fade = ButtonFade(hit);
    return FadesButtons() && fade != nullptr && fade->Running();
}

TacSBAnimation* TsSkinProvider::ButtonFade(int hit) const
{
    const auto it = fades_.find(hit);
    return it == fades_.end() ? nullptr : it->second.get();
}

void TsSkinProvider::StopFades()
{
    fades_.clear();
}

void TsSkinProvider::ShowChanges(const CaptionButtonStates::Changes& changes)
{
    if (!changes.Any() || !cache_)
        return;
    if (FadesButtons()) {
        // The frame keeps the resting looks; each changed button's new look
        // fades in or out above it.
        for (const int hit : {changes.First, changes.Second}) {
            if (hit == fhNowhere)
                continue;
            std::unique_ptr<TacSBAnimation>& fade = fades_[hit];
            if (!fade)
                fade = std::make_unique<TacSBAnimation>(static_cast<TCaptionButtonFadeOwner&>(*this), hit);
            fade->Change(buttons_.State(hit));
        }
        UpdateHint();
        return;
    }
    // Buttons are redrawn over the title as it was without them, so that a
    // see-through button never stacks its states.
    RepaintButtons();
    UpdateHint();
}

bool TsSkinProvider::ButtonOfHit(const FrameLayout& l, int hit, TRect& r, int& kind) const
{
    for (int i = 0; i < cbCount; ++i)
        if (CaptionButtonHit(static_cast<TCaptionButton>(i)) == hit) {
            if (!l.Shown[static_cast<std::size_t>(i)])
                return false;
            r = l.Buttons[static_cast<std::size_t>(i)];
            kind = i;
            return true;
        }
    const int index = hit - fhTitleButton;
    if (index < 0 || static_cast<std::size_t>(index) >= l.TitleButtons.size())
        return false;
    r = l.TitleButtons[static_cast<std::size_t>(index)];
    kind = cbCount;
    return true;
}

bool TsSkinProvider::FadePicture(int hit, int state, TBitmap& picture, TRect& place)
{
    const TSkinTables* t = SkinTables();
    if (t == nullptr || !cache_ || extended_)
        return false;
    const FrameLayout l = LayoutFrame(Metrics());
    TRect r;
    int kind = cbCount;
    if (!ButtonOfHit(l, hit, r, kind) || r.Width() < 1 || r.Height() < 1)
        return false;
    const TsMaskData* mask = kind < cbCount ? ImageAt(*t, buttonImages_[static_cast<std::size_t>(kind)]) : nullptr;
    // Minimize, Maximize and Close glow when hot, where the skin has a glow
    // for their image.
    const TsSkinManager* manager = DefaultManager();
    if (state == 1 && kind != cbHelp && kind < cbCount && mask != nullptr && manager != nullptr &&
        manager->AllowGlowing) {
        const int glow = GlobalImage(*t, (mask->PropertyName + "GLOW0").c_str());
        if (DrawableStateImage(*t, glow)) {
            const TsMaskData& g = t->Images[static_cast<std::size_t>(glow)];
            const int margin = kind == cbClose ? t->SkinData.BICloseGlowMargin
                               : kind == cbMax ? t->SkinData.BIMaxGlowMargin
                                               : t->SkinData.BIMinGlowMargin;
            const int w = StateImageWidth(g), h = StateImageHeight(g);
            const TBitmap* source = g.Image ? g.Image.get() : t->MasterBitmap.get();
            const int x0 = g.Image ? 0 : g.ImageRect.Left, y0 = g.Image ? 0 : g.ImageRect.Top;
            picture.SetPixelFormat(TPixelFormat::pf32bit);
            picture.SetSize(w, h);
            const bool withAlpha = source->PixelFormat() == TPixelFormat::pf32bit;
            for (int y = 0; y < h; ++y) {
                std::uint8_t* out = picture.ScanLine(y);
                for (int x = 0; x < w; ++x, out += 4) {
                    if (withAlpha) {
                        std::memcpy(out, source->ScanLine(y0 + y) + 4 * (x0 + x), 4);
                        continue;
                    }
                    const std::uint32_t c = source->PixelColor(x0 + x, y0 + y);
                    out[0] = static_cast<std::uint8_t>(c >> 16);
                    out[1] = static_cast<std::uint8_t>(c >> 8);
                    out[2] = static_cast<std::uint8_t>(c);
                    out[3] = c == TransparentKey ? 0 : 255;
                }
            }
            place = {r.Left - margin, r.Top - margin, r.Left - margin + w, r.Top - margin + h};
            return true;
        }
    }
    // The button's own look over the title as it is without buttons.
    TBitmap look(r.Width(), r.Height(), TPixelFormat::pf24bit);
    const bool fromArea = buttonArea_ && buttonArea_->Rect.Left <= r.Left && buttonArea_->Rect.Top <= r.Top &&
                          buttonArea_->Rect.Right >= r.Right && buttonArea_->Rect.Bottom >= r.Bottom;
    for (int y = 0; y < r.Height(); ++y) {
        const std::uint8_t* from =
            fromArea ? buttonArea_->Bytes.data() + static_cast<std::size_t>(buttonArea_->Rect.Width()) * 3 *
                                                       static_cast<std::size_t>(r.Top - buttonArea_->Rect.Top + y) +
                           3 * (r.Left - buttonArea_->Rect.Left)
                     : cache_->ScanLine(r.Top + y) + 3 * r.Left;
        std::memcpy(look.ScanLine(y), from, static_cast<std::size_t>(r.Width()) * 3);
    }
    if (kind < cbCount) {
        if (mask != nullptr) {
            DrawMaskImage(*t, look, TPoint{0, 0}, state, BgCacheFromBitmap(look, 0, 0), *mask, 1);
        } else {
            const auto button = static_cast<TCaptionButton>(kind);
            const bool restore = (button == cbMax && IsZoomed(Window())) || (button == cbMin && IsIconic(Window()));
            DrawBuiltInCaptionButton(look, TRect{0, 0, r.Width(), r.Height()}, button, restore, BuiltInLook{state, true});
        }
    } else {
        const TsTitleButton& button = *titleButtons_[static_cast<std::size_t>(hit - fhTitleButton)];
        const TsMaskData* titleImage = ImageAt(*t, GlobalImage(*t, "TITLEBUTTON"));
        if (button.UseSkinData && titleImage != nullptr)
            DrawMaskImage(*t, look, TPoint{0, 0}, state, BgCacheFromBitmap(look, 0, 0), *titleImage, 1);
        if (button.Glyph)
            DrawCentredGlyph(look, *button.Glyph, TRect{0, 0, r.Width(), r.Height()});
    }
    look.SetPixelFormat(TPixelFormat::pf32bit);
    picture.Assign(look);
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* p = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x)
            p[4 * x + 3] = 255;
    }
    place = r;
    return true;
}

void TsSkinProvider::FadeCursorLeft(int hit)
{
    if (buttons_.Hot() == hit && !buttons_.Pressed())
        ShowChanges(buttons_.Leave());
}

RECT TsSkinProvider::FadeButtonOnScreen(int hit) const
{
    TRect r;
    int kind = cbCount;
    if (!ButtonOfHit(LayoutFrame(Metrics()), hit, r, kind))
        return RECT{};
    const POINT origin = FrameOrigin();
    return RECT{origin.x + r.Left, origin.y + r.Top, origin.x + r.Right, origin.y + r.Bottom};
}

// ---- Messages ----

void TsSkinProvider::CallDefault(TMessage& message)
{
    savedProc_(message);
}

void TsSkinProvider::CallDefaultHidden(TMessage& message)
{
    // Without the visible bit the default handling changes its state but
    // draws nothing; the skinned frame is painted right after.
    const HWND w = Window();
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    if (style & WS_VISIBLE)
        SetWindowLongW(w, GWL_STYLE, style & ~WS_VISIBLE);
    CallDefault(message);
    if (style & WS_VISIBLE)
        SetWindowLongW(w, GWL_STYLE, GetWindowLongW(w, GWL_STYLE) | WS_VISIBLE);
}

bool TsSkinProvider::HandleSkinCommand(TMessage& message)
{
    const auto manager = reinterpret_cast<TsSkinManager*>(message.LParam);
    switch (SkinCommandOf(message.WParam)) {
    case CMD_IS_SKINNED:
        message.Result = 1;
        return true;
    case CMD_GET_PROVIDER:
        message.Result = reinterpret_cast<LRESULT>(this);
        return true;
    case CMD_GET_BORDER_OFFSET: {
        const FrameMetrics m = Metrics();
        message.Result = MAKELONG(m.Client.Left, m.Client.Top);
        return true;
    }
    case CMD_ANIMATION_FRAME:
        // A frame of an animation over the frame: the border window shows it.
        if (!extended_)
            return false;
        UpdateBorderWindow();
        message.Result = 0;
        return true;
    case CMD_GET_BG_INFO:
        if (!skinned_ || message.LParam == 0 || form_->IsDestroying())
            return false;
        AnswerBackground(*reinterpret_cast<BackgroundInfo*>(message.LParam));
        return true;
    case CMD_NEW_SKIN:
    case CMD_REPAINT:
        if (manager == DefaultManager()) {
            Prepare();
            CallDefault(message);
            // A hidden form keeps its frame marked for rebuilding (Prepare):
            // showing it paints frame, background and children in full.
            if (IsWindowVisible(Window()))
                RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
            return true;
        }
        return false;
    case CMD_REMOVE_SKIN:
        if (manager == DefaultManager()) {
            Unprepare();
            CallDefault(message);
            RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TsSkinProvider::FormWindowProc(TMessage& message)
{
    if (message.Msg == SM_ALPHACMD) {
        if (!HandleSkinCommand(message))
            CallDefault(message);
        return;
    }
    if (message.Msg == WM_DESTROY)
        SetExtended(false);  // the border window goes with its form
    if (!skinned_ || form_->IsDestroying()) {
        CallDefault(message);
        return;
    }
    switch (message.Msg) {
    case WM_NCPAINT: PaintFrame(); message.Result = 0; return;
    case WM_ERASEBKGND:
        if (IsWindowVisible(Window())) {
            PaintClient(reinterpret_cast<HDC>(message.WParam));
            clientErased_ = true;
            message.Result = 1;
            return;
        }
        CallDefault(message);
        return;
    case WM_PAINT: {
        // The background and the windowless children are painted on the
        // erase that BeginPaint asks for; an update invalidated without
        // erasing is painted here.
        clientErased_ = false;
        PAINTSTRUCT ps;
        if (BeginPaint(Window(), &ps) != nullptr) {
            if (!clientErased_)
                PaintClient(ps.hdc);
            EndPaint(Window(), &ps);
        }
        clientErased_ = false;
        message.Result = 0;
        PaintGrip();
        if (cache_ && form_ == Application->MainForm())
            SignalFirstSkinnedPaint();
        return;
    }
    case WM_NCACTIVATE: OnNcActivate(message); return;
    case WM_SETTEXT:
        CallDefaultHidden(message);
        cacheDirty_ = true;
        PaintFrame();
        return;
    case WM_NCHITTEST: OnNcHitTest(message); return;
    case WM_DRAWITEM:
        if (!DrawMenuBarItem(message))
            CallDefault(message);
        return;
    case CM_MENUCHANGED:
        OnMenuChanged();
        CallDefault(message);
        return;
    case WM_SYSCOMMAND:
        // Alt+Space: the window menu below the icon, as the system's frame
        // (which no longer has one) would open it.
        if ((message.WParam & 0xFFF0) == SC_KEYMENU && message.LParam == ' ' && Metrics().Caption > 0) {
            ShowSystemMenuBelowIcon();
            message.Result = 0;
            return;
        }
        CallDefault(message);
        return;
    case WM_NCMOUSELEAVE:
        trackingLeave_ = false;
        if (!capturing_)
            ShowChanges(buttons_.Leave());
        CallDefault(message);
        return;
    case WM_NCLBUTTONDOWN: OnNcButtonDown(message); return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP: OnButtonUp(message); return;
    case WM_MOUSEMOVE: OnMouseMove(message); return;
    case WM_CAPTURECHANGED:
        if (OutlineDragging() && reinterpret_cast<HWND>(message.LParam) != Window()) {
            capturing_ = false;  // the capture is gone already
            EndOutlineDrag(false);
        }
        if (capturing_ && reinterpret_cast<HWND>(message.LParam) != Window()) {
            capturing_ = false;
            ShowChanges(buttons_.Leave());
        }
        CallDefault(message);
        return;
    case WM_NCLBUTTONDBLCLK: OnNcDoubleClick(message); return;
    case WM_NCRBUTTONDOWN:
        if (message.WParam == HTCAPTION || message.WParam == HTSYSMENU) {
            message.Result = 0;
            return;
        }
        CallDefault(message);
        return;
    case WM_NCRBUTTONUP:
        if (message.WParam == HTCAPTION || message.WParam == HTSYSMENU) {
            ShowSystemMenu(XOf(message.LParam), YOf(message.LParam));
            message.Result = 0;
            return;
        }
        CallDefault(message);
        return;
    case WM_POPUPSYSTEMMENU_: {
        POINT p;
        GetCursorPos(&p);
        ShowSystemMenu(p.x, p.y);
        message.Result = 0;
        return;
    }
    case WM_SIZE: OnSize(message); return;
    case WM_SHOWWINDOW:
        if (message.WParam == FALSE)
            StopFades();
        CallDefault(message);
        UpdateBorderWindow();
        return;
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED:
    case WM_SIZING:
    case WM_EXITSIZEMOVE:
        CallDefault(message);
        UpdateBorderWindow();
        return;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(message); return;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(message);
        CallDefault(message);
        return;
    case WM_INITMENUPOPUP:
        // The window menu of a skinned form offers no sizing by keyboard.
        if (HIWORD(message.LParam) != 0)
            EnableMenuItem(reinterpret_cast<HMENU>(message.WParam), SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
        CallDefault(message);
        return;
    case WM_ENTERIDLE: message.Result = 0; return;
    case WM_PRINTCLIENT: return;
    case WM_SETTINGCHANGE:
        cacheDirty_ = true;
        DropCopies();
        CallDefault(message);
        return;
    default: CallDefault(message); return;
    }
}

void TsSkinProvider::OnSize(TMessage& message)
{
    // The first WM_SIZE of a shown window repeats the size the frame was
    // just built for: rebuilding it then would only cost start-up time.
    RECT wr;
    GetWindowRect(Window(), &wr);
    const bool same = cache_ && !cacheDirty_ && message.WParam == sizeType_ &&
                      cache_->Width() == wr.right - wr.left && cache_->Height() == wr.bottom - wr.top;
    if (message.WParam != sizeType_)
        ChooseButtonImages();  // the restore images follow the window's state
    sizeType_ = message.WParam;
    if (!same) {
        cacheDirty_ = true;
        regionChanged_ = true;
    }
    CallDefault(message);
    // The same size in the same state leaves the frame on the screen as it
    // is: the show that sends it has just painted it.
    if (!same)
        PaintFrame();
    else
        UpdateBorderWindow();
    // The grip and the form section's right-hand corner images move with the
    // corner: where they reach into the client, its background is painted
    // again at their old and their new places.
    const FrameMetrics m = Metrics();
    const SizedWindow now{{m.Width, m.Height}, m.Client};
    if (!same && extended_) {
        // The frame's corner images lie on the border window: the client
        // shows the frame cache at another place.
        InvalidateRect(Window(), nullptr, TRUE);
    } else if (!same && !IsIconic(Window())) {
        if (const TSkinTables* t = SkinTables()) {
            TSize topRight, bottomRight;
            if (formSection_ >= 0 && formSection_ < static_cast<int>(t->Sections.size())) {
                const TsGeneralData& section = t->Sections[static_cast<std::size_t>(formSection_)];
                const auto size = [&](int index) {
                    const TsMaskData* image = ImageAt(*t, index);
                    return image != nullptr ? TSize{StateImageWidth(*image), StateImageHeight(*image)} : TSize{};
                };
                topRight = size(section.ImgTR);
                bottomRight = size(section.ImgBR);
            }
            const SizedWindow& before = lastSize_.Window.cx > 0 ? lastSize_ : now;
            for (const TRect& r : SizeChangeRepaintRects(before, now, m.Grip, topRight, bottomRight)) {
                const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
                InvalidateRect(Window(), &rc, TRUE);
            }
        }
    }
    if (!IsIconic(Window()))
        lastSize_ = now;
}

void TsSkinProvider::OnGetMinMaxInfo(TMessage& message)
{
    // Maximised, the form covers its monitor's work area with the side and
    // bottom borders outside it.
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    if (info != nullptr && GetMonitorInfoW(MonitorFromWindow(Window(), MONITOR_DEFAULTTONEAREST), &mi)) {
        const int border = (style & WS_THICKFRAME)  ? GetSystemMetrics(SM_CXFRAME)
                           : (style & WS_DLGFRAME) ? GetSystemMetrics(SM_CXDLGFRAME)
                                                   : 0;
        const int system = GetSystemMetrics(SM_CYCAPTION);
        const MaximizedPlace place = MaximizedPlacement(
            border, {mi.rcWork.right - mi.rcWork.left, mi.rcWork.bottom - mi.rcWork.top}, Metrics().Caption, system);
        info->ptMaxSize = {place.Size.cx, place.Size.cy};
        info->ptMaxPosition.y = place.Top;
    }
    CallDefault(message);
}

void TsSkinProvider::OnWindowPosChanging(TMessage& message)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
    if (!ScreenSnap || pos == nullptr || (pos->flags & SWP_NOMOVE) || IsZoomed(Window()))
        return;
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(MonitorFromWindow(Window(), MONITOR_DEFAULTTONEAREST), &mi))
        return;
    RECT wr;
    GetWindowRect(Window(), &wr);
    const int width = (pos->flags & SWP_NOSIZE) ? wr.right - wr.left : pos->cx;
    const int height = (pos->flags & SWP_NOSIZE) ? wr.bottom - wr.top : pos->cy;
    // With an extended border the visible frame is the border window's:
    // its left and top edges, not the form window's, meet the work area.
    FrameMargins margins;
    if (extended_) {
        const POINT frame = FrameOrigin();
        const FrameLayout l = LayoutFrame(Metrics());
        margins.Left = frame.x + l.Form.Left - wr.left;
        margins.Top = frame.y + l.Form.Top - wr.top;
    }
    const TPoint at = SnapToWorkArea({pos->x, pos->y, pos->x + width, pos->y + height},
                                     {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom}, SnapBuffer,
                                     margins);
    pos->x = at.X;
    pos->y = at.Y;
}

void TsSkinProvider::OnNcActivate(TMessage& message)
{
    const bool active = message.WParam != FALSE;
    if (active != active_) {
        active_ = active;
        cacheDirty_ = true;
        // A form section with another colour when active gives the client
        // another background too.
        const TSkinTables* t = SkinTables();
        if (t != nullptr && formSection_ >= 0 && formSection_ < static_cast<int>(t->Sections.size())) {
            const TsGeneralData& s = t->Sections[static_cast<std::size_t>(formSection_)];
            if (s.Color != s.HotColor || s.Transparency != s.HotTransparency)
                InvalidateRect(Window(), nullptr, TRUE);
        }
    }
    CallDefaultHidden(message);
    message.Result = TRUE;
    PaintFrame();
}

void TsSkinProvider::TrackLeave()
{
    if (trackingLeave_)
        return;
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_NONCLIENT, Window(), 0};
    trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
}

void TsSkinProvider::OnNcHitTest(TMessage& message)
{
    const FrameMetrics m = Metrics();
    if (m.Caption <= 0) {
        CallDefault(message);
        return;
    }
    const int hit = HitTest(POINT{XOf(message.LParam), YOf(message.LParam)});
    message.Result = hit;
    if (!capturing_) {
        ShowChanges(buttons_.MouseOver(hit));
        // The border window tracks the mouse leaving an extended frame.
        if (hit != fhClient && !extended_)
            TrackLeave();
    }
}

TsTitleButton* TsSkinProvider::TitleButtonOfHit(int hit)
{
    const int index = hit - fhTitleButton;
    return index >= 0 && index < static_cast<int>(titleButtons_.size())
               ? titleButtons_[static_cast<std::size_t>(index)].get()
               : nullptr;
}

TsTitleButton& TsSkinProvider::AddTitleButton()
{
    titleButtons_.push_back(std::make_unique<TsTitleButton>());
    cacheDirty_ = true;
    DropCopies();
    if (skinned_)
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    return *titleButtons_.back();
}

void TsSkinProvider::FireTitleButton(int hit, bool down)
{
    TsTitleButton* button = TitleButtonOfHit(hit);
    if (button == nullptr)
        return;
    // The handlers are the form's code: what they throw is reported here,
    // inside the window procedure.
    try {
        if (down && button->OnMouseDown)
            button->OnMouseDown(*button);
        if (!down && button->OnMouseUp)
            button->OnMouseUp(*button);
    } catch (...) {
        Application->HandleException();
    }
}

void TsSkinProvider::UpdateHint()
{
    const int hot = buttons_.Hot();
    if (hot == hintHit_)
        return;
    hint_.Hide();
    hintHit_ = fhNowhere;
    if (TsTitleButton* button = TitleButtonOfHit(hot); button != nullptr && !button->Hint.empty()) {
        POINT cursor;
        GetCursorPos(&cursor);
        hint_.Show(button->Hint, cursor);
        hintHit_ = hot;
    }
}

void TsSkinProvider::OnNcButtonDown(TMessage& message)
{
    const int hit = static_cast<int>(message.WParam);
    if (TsTitleButton* button = TitleButtonOfHit(hit); button != nullptr && !button->Enabled) {
        message.Result = 0;
        return;
    }
    CaptionButtonStates::Changes changes;
    if (buttons_.Press(hit, ButtonSet(), IsZoomed(Window()) != FALSE, changes)) {
        if (buttons_.Pressed()) {
            // The release may come anywhere: the form keeps the mouse until then.
            SetCapture(Window());
            capturing_ = true;
        }
        ShowChanges(changes);
        UpdateHint();
        message.Result = 0;
        if (buttons_.Pressed())
            FireTitleButton(hit, true);
        return;
    }
    if (ResizeModeInForce() == rmBorder && StartsOutlineDrag(hit) && !IsZoomed(Window()) &&
        (hit == fhCaption || (GetWindowLongW(Window(), GWL_STYLE) & WS_THICKFRAME) != 0)) {
        BeginOutlineDrag(hit, POINT{XOf(message.LParam), YOf(message.LParam)});
        message.Result = 0;
        return;
    }
    if (hit == fhSysMenu) {
        ShowSystemMenuBelowIcon();
        message.Result = 0;
        return;
    }
    CallDefault(message);
}

TResizeMode TsSkinProvider::ResizeModeInForce() const
{
    return ResizeMode == rmBorder && !DesktopComposition() ? rmBorder : rmStandard;
}

POINT TsSkinProvider::MessagePoint(const TMessage& message) const
{
    // Non-client mouse messages carry screen points, client ones client points.
    POINT p{XOf(message.LParam), YOf(message.LParam)};
    if (message.Msg == WM_MOUSEMOVE || message.Msg == WM_LBUTTONUP)
        ClientToScreen(Window(), &p);
    return p;
}

void TsSkinProvider::DrawOutline(const TRect& r)
{
    // Inverted on the screen: drawing the same rectangle again removes it.
    HDC dc = GetDC(nullptr);
    if (dc == nullptr)
        return;
    const int old = SetROP2(dc, R2_NOT);
    HGDIOBJ pen = SelectObject(dc, GetStockObject(WHITE_PEN));
    for (int i = 0; i < 3; ++i) {
        const POINT p[5] = {{r.Left + i, r.Top + i},
                            {r.Right - 1 - i, r.Top + i},
                            {r.Right - 1 - i, r.Bottom - 1 - i},
                            {r.Left + i, r.Bottom - 1 - i},
                            {r.Left + i, r.Top + i}};
        Polyline(dc, p, 5);
    }
    SelectObject(dc, pen);
    SetROP2(dc, old);
    ReleaseDC(nullptr, dc);
}

void TsSkinProvider::BeginOutlineDrag(int hit, POINT screen)
{
    RECT wr;
    GetWindowRect(Window(), &wr);
    outlineHit_ = hit;
    outlineStart_ = screen;
    outlineFrom_ = {wr.left, wr.top, wr.right, wr.bottom};
    outline_ = outlineFrom_;
    SetCapture(Window());
    capturing_ = true;
    DrawOutline(outline_);
}

void TsSkinProvider::MoveOutline(POINT screen)
{
    const TSize least{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    const TRect next =
        DragRect(outlineFrom_, outlineHit_, screen.x - outlineStart_.x, screen.y - outlineStart_.y, least);
    if (next == outline_)
        return;
    DrawOutline(outline_);
    outline_ = next;
    DrawOutline(outline_);
}

void TsSkinProvider::EndOutlineDrag(bool apply)
{
    if (outlineHit_ == fhNowhere)
        return;
    outlineHit_ = fhNowhere;
    DrawOutline(outline_);
    if (capturing_) {
        capturing_ = false;
        ReleaseCapture();
    }
    if (apply && !(outline_ == outlineFrom_))
        MoveWindow(Window(), outline_.Left, outline_.Top, outline_.Width(), outline_.Height(), TRUE);
}

void TsSkinProvider::OnMouseMove(TMessage& message)
{
    if (OutlineDragging()) {
        MoveOutline(MessagePoint(message));
        message.Result = 0;
        return;
    }
    if (capturing_) {
        ShowChanges(buttons_.MouseOver(HitTest(MessagePoint(message))));
        message.Result = 0;
        return;
    }
    CallDefault(message);
}

void TsSkinProvider::OnButtonUp(TMessage& message)
{
    if (OutlineDragging()) {
        MoveOutline(MessagePoint(message));
        EndOutlineDrag(true);
        message.Result = 0;
        return;
    }
    if (!buttons_.Pressed()) {
        if (capturing_) {
            capturing_ = false;
            ReleaseCapture();
        }
        CallDefault(message);
        return;
    }
    CaptionButtonStates::Changes changes;
    const int due = buttons_.Release(HitTest(MessagePoint(message)), changes);
    if (capturing_) {
        capturing_ = false;
        ReleaseCapture();
    }
    ShowChanges(changes);
    message.Result = 0;
    RunButtonCommand(due);
}

void TsSkinProvider::RunButtonCommand(int hit)
{
    const HWND w = Window();
    switch (hit) {
    case fhClose: SendMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case fhMinButton:
        SendMessageW(w, WM_SYSCOMMAND, IsIconic(w) ? SC_RESTORE : SC_MINIMIZE, 0);
        cacheDirty_ = true;
        break;
    case fhMaxButton: SendMessageW(w, WM_SYSCOMMAND, IsZoomed(w) ? SC_RESTORE : SC_MAXIMIZE, 0); break;
    case fhHelp:
        SendMessageW(w, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        cacheDirty_ = true;
        PaintFrame();
        break;
    default: FireTitleButton(hit, false); break;
    }
}

void TsSkinProvider::OnNcDoubleClick(TMessage& message)
{
    const int hit = static_cast<int>(message.WParam);
    const CaptionButtonSet b = ButtonSet();
    message.Result = 0;
    if (hit == fhCaption) {
        if (b.VisibleClose && (b.EnabledMax || b.EnabledRestore))
            SendMessageW(Window(), WM_SYSCOMMAND, IsZoomed(Window()) || IsIconic(Window()) ? SC_RESTORE : SC_MAXIMIZE,
                         0);
        return;
    }
    if (hit == fhSysMenu) {
        SendMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    CallDefault(message);
}

void TsSkinProvider::ShowSystemMenuBelowIcon()
{
    const FrameLayout l = Layout();
    const POINT origin = FrameOrigin();
    ShowSystemMenu(origin.x + l.Icon.Left, origin.y + l.Icon.Bottom);
}

void TsSkinProvider::ShowSystemMenu(int x, int y)
{
    // The six standard commands are offered by the form's own rules (its
    // buttons, border and state, not the system's frame, which the skin
    // replaced); the choice goes through the normal system-command path.
    const HWND w = Window();
    SystemMenuInput in;
    in.Buttons = ButtonSet();
    switch (form_->BorderStyle()) {
    case TFormBorderStyle::bsNone: in.Border = TMenuBorderKind::None; break;
    case TFormBorderStyle::bsSingle: in.Border = TMenuBorderKind::Single; break;
    case TFormBorderStyle::bsSizeable: in.Border = TMenuBorderKind::Sizeable; break;
    case TFormBorderStyle::bsDialog: in.Border = TMenuBorderKind::Dialog; break;
    }
    in.Maximized = IsZoomed(w) != FALSE;
    in.Minimized = IsIconic(w) != FALSE;
    TsSkinManager* manager = DefaultManager();
    unsigned command = 0;
    if (manager != nullptr && manager->SkinnedPopups() && manager->Active() && manager->SkinReady()) {
        if (systemMenu_ == nullptr)
            systemMenu_ = new TsSystemMenu(this);
        systemMenu_->Rebuild(w);
        systemMenu_->Refresh(in);
        if (MakeSkinMenu)
            systemMenu_->AddSkinMenu(ListSkins(manager->SkinDirectory(), TSkinListMode::Both, manager->InternalSkins,
                                               CurrentSkinFileSystem())
                                         .Names,
                                     manager->SkinName());
        manager->SkinableMenus().HookPopupMenu(*systemMenu_, true);
        const TMenuItem* chosen = systemMenu_->Show(w, x, y);
        if (chosen != nullptr && !TsSystemMenu::ChosenSkin(*chosen).empty()) {
            manager->SetSkinName(TsSystemMenu::ChosenSkin(*chosen));
            return;
        }
        command = chosen != nullptr ? chosen->Command : 0;
    } else {
        // The window's own menu, drawn by the system.
        HMENU menu = GetSystemMenu(w, FALSE);
        if (menu == nullptr)
            return;
        for (const SystemMenuItemState& item : SystemMenuStates(in))
            EnableMenuItem(menu, item.Command,
                           MF_BYCOMMAND | (item.Visible && item.Enabled ? MF_ENABLED : MF_GRAYED));
        command = static_cast<unsigned>(TrackPopupMenu(
            menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, w, nullptr));
    }
    if (command != 0 && IsWindow(w))
        SendMessageW(w, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
}

}  // namespace taramel
