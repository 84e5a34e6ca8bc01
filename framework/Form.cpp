#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/Menus.h"
#include "base/Exception.h"

namespace taramel {

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    StoreVisible(false);
    StoreBounds(0, 0, 320, 240);
    SetParentFont(false);
    Font().SetName("Tahoma");
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    Screen->RemoveForm(this);
    Application->ForgetForm(this);
    DestroyComponents();
}

void TCustomForm::AfterConstruction()
{
    try {
        EndLoadingAll();
        if (!windowOnFirstUse_)
            HandleNeeded();
        DoCreate();
    } catch (...) {
        Application->HandleException();
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style != borderStyle_) {
        borderStyle_ = style;
        ApplyFrameStyle();
    }
}

void TCustomForm::SetBorderIcons(unsigned icons)
{
    if (icons != borderIcons_) {
        borderIcons_ = icons;
        ApplyFrameStyle();
    }
}

void TCustomForm::ApplyFrameStyle()
{
    if (!HandleAllocated())
        return;
    TCreateParams params;
    CreateParams(params);
    const LONG visible = GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE;
    SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(params.Style) | visible);
    SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(params.ExStyle));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (requestedClientWidth_ >= 0)
        SetClientSize(requestedClientWidth_, requestedClientHeight_);
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    params.ClassIcon = true;
    const bool systemMenu = (borderIcons_ & biSystemMenu) != 0;
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsSizeable:
        params.Style |= WS_CAPTION;
        if (borderStyle_ == TFormBorderStyle::bsSizeable)
            params.Style |= WS_THICKFRAME;
        if (systemMenu) {
            params.Style |= WS_SYSMENU;
            if (borderIcons_ & biMinimize) params.Style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize) params.Style |= WS_MAXIMIZEBOX;
        }
        break;
    case TFormBorderStyle::bsDialog:
        params.Style |= WS_CAPTION | DS_MODALFRAME;
        if (systemMenu)
            params.Style |= WS_SYSMENU;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    }
    // The system refuses a Help button beside Minimize or Maximize boxes.
    if (systemMenu && (borderIcons_ & biHelp) && !(params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
        params.ExStyle |= WS_EX_CONTEXTHELP;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    TCustomForm* mainForm = Application->MainForm();
    if (mainForm == this || !mainForm) {
        // The main form carries the program's task-bar button.
        params.WndParent = nullptr;
        params.ExStyle |= WS_EX_APPWINDOW;
    } else {
        params.WndParent = mainForm->Handle();
    }
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    if (menu == menu_)
        return;
    if (menu_ != nullptr) {
        menu_->Attach(nullptr);
        menu_->form_ = nullptr;
    }
    if (menu != nullptr && menu->form_ != nullptr)
        menu->form_->SetMenu(nullptr);
    menu_ = menu;
    if (menu_ == nullptr)
        return;
    menu_->form_ = this;
    if (HandleAllocated())
        menu_->Attach(Handle());
}

void TCustomForm::CreateWnd()
{
    if (menu_ != nullptr)
        menu_->Attach(Handle());
    if (requestedClientWidth_ < 0)
        return;
    // The window was made at the size the style promised for the client:
    // only a frame that differs from the promise needs it moved again.
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right != requestedClientWidth_ || client.bottom != requestedClientHeight_)
        SetClientSize(requestedClientWidth_, requestedClientHeight_);
}

SIZE TCustomForm::FrameSize() const
{
    if (HandleAllocated()) {
        RECT window, client;
        HWND hwnd = const_cast<TCustomForm*>(this)->Handle();
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        return SIZE{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
    }
    TCreateParams params;
    const_cast<TCustomForm*>(this)->CreateParams(params);
    RECT rect{0, 0, 0, 0};
    AdjustWindowRectEx(&rect, params.Style, FALSE, params.ExStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

RECT TCustomForm::ClientRect() const
{
    if (HandleAllocated())
        return TWinControl::ClientRect();
    const SIZE frame = FrameSize();
    return RECT{0, 0, std::max(0, Width() - static_cast<int>(frame.cx)),
                std::max(0, Height() - static_cast<int>(frame.cy))};
}

void TCustomForm::SetClientSize(int width, int height)
{
    requestedClientWidth_ = width;
    requestedClientHeight_ = height;
    const SIZE frame = FrameSize();
    SetBounds(Left(), Top(), width + frame.cx, height + frame.cy);
    if (HandleAllocated()) {
        // The frame may differ from what the style promised (a wrapped
        // caption bar, for one); measure again and correct once.
        RECT client;
        GetClientRect(Handle(), &client);
        if (client.right != width || client.bottom != height)
            SetBounds(Left(), Top(), Width() + width - client.right, Height() + height - client.bottom);
    }
}

void TCustomForm::BoundsChanged()
{
    AlignControls();
}

bool TCustomForm::Showing() const
{
    return Visible();
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (HandleAllocated())
        BringWindowToTop(Handle());
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::PlaceOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    RECT area{0, 0, Screen->Width(), Screen->Height()};
    TCustomForm* mainForm = Application->MainForm();
    if (position_ == TPosition::poMainFormCenter && mainForm && mainForm != this && mainForm->HandleAllocated())
        GetWindowRect(mainForm->Handle(), &area);
    else if (position_ == TPosition::poDesigned)
        return;
    const int left = area.left + ((area.right - area.left) - Width()) / 2;
    const int top = area.top + ((area.bottom - area.top) - Height()) / 2;
    SetBounds(std::max(left, 0), std::max(top, 0), Width(), Height());
}

void TCustomForm::VisibleChanged()
{
    if (Visible()) {
        HandleNeeded();
        PlaceOnFirstShow();
        ShowWindow(Handle(), SW_SHOW);
        DoShow();
    } else {
        if (HandleAllocated())
            ShowWindow(Handle(), SW_HIDE);
        if (OnHide)
            OnHide(this);
    }
}

void TCustomForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

int TCustomForm::ShowModal()
{
    if (Visible() || modal_)
        throw Exception("Cannot make a visible window modal");
    if (GetCapture())
        ReleaseCapture();
    HWND previousActive = GetActiveWindow();
    // Every other window of the program waits while this one is open.
    std::vector<HWND> disabled;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form != this && form->HandleAllocated() && IsWindowVisible(form->Handle()) &&
            IsWindowEnabled(form->Handle())) {
            EnableWindow(form->Handle(), FALSE);
            disabled.push_back(form->Handle());
        }
    }
    auto restore = [&] {
        for (HWND window : disabled)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        if (HandleAllocated())
            Hide();
        if (previousActive && IsWindow(previousActive))
            SetActiveWindow(previousActive);
        modal_ = false;
    };
    modal_ = true;
    modalResult_ = mrNone;
    try {
        Show();
        SetActiveWindow(Handle());
        while (true) {
            if (!Application->HandleMessage()) {
                // The program is ending: the outer loop must see the quit too.
                PostQuitMessage(0);
                if (modalResult_ == mrNone)
                    modalResult_ = mrCancel;
                break;
            }
            if (modalResult_ != mrNone) {
                CloseModal();
                if (modalResult_ != mrNone)
                    break;
            }
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return modalResult_;
}

void TCustomForm::CloseModal()
{
    TCloseAction action = TCloseAction::caHide;
    try {
        DoClose(action);
    } catch (...) {
        modalResult_ = mrNone;
        throw;
    }
    if (action == TCloseAction::caNone)
        modalResult_ = mrNone;
    else if (action == TCloseAction::caFree)
        Release();
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    const bool isMain = Application->MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (isMain) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize: ShowWindow(Handle(), SW_MINIMIZE); break;
    case TCloseAction::caFree: Release(); break;
    case TCloseAction::caNone: break;
    }
}

void TCustomForm::Release()
{
    Application->ReleaseForm(this);
}

void TCustomForm::SelectNext(bool forward)
{
    auto* current = TWinControl::FromHandle(GetFocus());
    if (TWinControl* next = FindNextControl(current, forward))
        next->SetFocus();
}

namespace {
// Asks every control below `parent` but `skip`, depth first, to act on the key.
bool OfferDialogKey(TWinControl& parent, WPARAM key, const TControl* skip)
{
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* control = parent.Controls(i);
        if (control != skip && control->Perform(CM_DIALOGKEY, key, 0) != 0)
            return true;
        if (auto* container = dynamic_cast<TWinControl*>(control))
            if (OfferDialogKey(*container, key, skip))
                return true;
    }
    return false;
}
}  // namespace

bool TCustomForm::DialogKey(WPARAM key)
{
    TWinControl* focused = TWinControl::FromHandle(GetFocus());
    if (focused != nullptr && (!HandleAllocated() || !IsChild(Handle(), focused->Handle())))
        focused = nullptr;
    if (focused != nullptr && focused->Perform(CM_DIALOGKEY, key, 1) != 0)
        return true;
    if (OfferDialogKey(*this, key, focused))
        return true;
    if (key == VK_ESCAPE && modal_) {
        Close();
        return true;
    }
    return false;
}

void TCustomForm::WMCommand(TMessage& m)
{
    // A menu choice comes with no control; what the handler throws is
    // reported by the window procedure.
    if (HIWORD(m.WParam) == 0 && m.LParam == 0 && menu_ != nullptr && menu_->Command(LOWORD(m.WParam))) {
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

void TCustomForm::WMClose(TMessage& m)
{
    Close();
    m.Result = 0;
}

void TCustomForm::WMActivate(TMessage& m)
{
    // Keep the focused control across deactivation, as dialogs do.
    if (LOWORD(m.WParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus))
            lastFocus_ = focus;
        DefaultHandler(m);
        return;
    }
    DefaultHandler(m);
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) && IsWindowEnabled(lastFocus_))
        ::SetFocus(lastFocus_);
    else if (TWinControl* first = FindNextControl(nullptr, true))
        ::SetFocus(first->Handle());
}

void TCustomForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CLOSE: return WMClose(m);
    case WM_ACTIVATE: return WMActivate(m);
    case WM_COMMAND: return WMCommand(m);
    case WM_INITMENUPOPUP:
        if (menu_ != nullptr && HIWORD(m.LParam) == 0)
            menu_->RefreshPopup(reinterpret_cast<HMENU>(m.WParam));
        return TWinControl::WndProc(m);
    case WM_DESTROY:
        if (menu_ != nullptr)
            menu_->WindowDestroyed();
        return TWinControl::WndProc(m);
    default: return TWinControl::WndProc(m);
    }
}

}  // namespace taramel
