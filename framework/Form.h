// Top-level windows of the program. A form is created hidden, shown plainly
// or modally (with its own message loop), and closed through Close, which
// asks OnClose what to do.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
// biHelp asks for the Help caption button: the system shows it (and puts the
// window into context-help mode when it is clicked) only beside the system
// menu and without the Minimize and Maximize boxes.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    // The size of the client area; the window grows by its frame.
    void SetClientSize(int width, int height);
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    RECT ClientRect() const override;

    bool Showing() const override;
    void Show();
    void Hide();
    // Shows the form modally and returns its ModalResult once it is closed.
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    // A non-zero result ends the modal loop.
    void SetModalResult(int result) { modalResult_ = result; }
    void Close();
    // Frees the form after the current message.
    void Release();

    // Makes the window and runs the creation handler, reporting its error
    // (the application's CreateForm calls it; the rest of start-up goes on).
    void AfterConstruction();
    // A form that is not shown at start-up (a dialog) may leave its window
    // until it is first needed (shown, or its handle asked for): the
    // creation handler runs all the same, on the form's properties, which the
    // window takes when it is made. This keeps the window out of start-up.
    bool WindowOnFirstUse() const { return windowOnFirstUse_; }
    void SetWindowOnFirstUse(bool onFirstUse) { windowOnFirstUse_ = onFirstUse; }

    // The form's menu bar (null: none). The form shows it on its window and
    // runs the items' OnClick; a menu destroyed first takes itself off.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // Tab navigation within the form.
    void SelectNext(bool forward);
    // Enter and Esc as dialogs take them: the focused control first, then
    // every other control of the form (CM_DIALOGKEY); Esc that no control
    // takes closes a modal form. True when the key was used.
    bool DialogKey(WPARAM key);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;

protected:
    friend class TApplication;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void VisibleChanged() override;
    void BoundsChanged() override;

    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoClose(TCloseAction& action);

private:
    SIZE FrameSize() const;
    void ApplyFrameStyle();
    void PlaceOnFirstShow();
    void CloseModal();
    void WMClose(TMessage& message);
    void WMActivate(TMessage& message);
    void WMCommand(TMessage& message);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    bool modal_ = false;
    int modalResult_ = mrNone;
    bool placed_ = false;
    bool windowOnFirstUse_ = false;
    HWND lastFocus_ = nullptr;
    TMainMenu* menu_ = nullptr;
    friend class TMainMenu;
    int requestedClientWidth_ = -1;
    int requestedClientHeight_ = -1;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

}  // namespace taramel
