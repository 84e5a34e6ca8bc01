#include "controls/ListBox.h"

#include "base/Exception.h"

namespace taramel {

TListBox::TListBox(TComponent* owner) : TWinControl(owner)
{
    StoreBounds(0, 0, 121, 97);
    SetColor(clWindow);
    SetTabStop(true);
    DoubleBuffered = false;
}

void TListBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.BaseClassName = L"LISTBOX";
    params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd()
{
    HWND window = Handle();
    SendMessageW(window, LB_SETITEMHEIGHT, 0, itemHeight_);
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    for (const std::string& line : items_)
        SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::Assign(const std::vector<std::string>& lines)
{
    Clear();
    items_ = lines;
    if (HandleAllocated()) {
        HWND window = Handle();
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        for (const std::string& line : items_)
            if (SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str())) < 0) {
                SendMessageW(window, WM_SETREDRAW, TRUE, 0);
                throw Exception("Unable to insert a line");
            }
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
        Invalidate();
    }
}

void TListBox::Add(const std::string& line)
{
    if (HandleAllocated() && SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str())) < 0)
        throw Exception("Unable to insert a line");
    items_.push_back(line);
}

void TListBox::Clear()
{
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated())
        SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

std::string TListBox::Line(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(ListIndexErrorText(index));
    return items_[static_cast<std::size_t>(index)];
}

int TListBox::ItemIndex() const
{
    return itemIndex_;
}

void TListBox::SetItemIndex(int index)
{
    // Like the system's list box: an index that names no line selects nothing.
    itemIndex_ = (index >= 0 && index < Count()) ? index : -1;
    if (HandleAllocated())
        SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    itemHeight_ = height;
    if (HandleAllocated())
        SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, height);
}

void TListBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == LBN_SELCHANGE) {
            itemIndex_ = static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
            if (OnChange)
                OnChange(this);
        }
        return;
    case CN_CTLCOLORLISTBOX: m.Result = ControlColor(reinterpret_cast<HDC>(m.WParam)); return;
    default: TWinControl::WndProc(m);
    }
}

}  // namespace taramel
