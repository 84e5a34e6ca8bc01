#include "controls/ListBox.h"

#include "base/Exception.h"
#include "framework/Graphics.h"
#include "framework/Unicode.h"

#include <algorithm>

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
    // The window holds the count and the selection only; the lines stay
    // here and are drawn from here. A window that stores every line itself
    // takes time that grows with the square of the count to fill (a deck of
    // two million lines took seconds), setting a count takes none.
    params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NODATA;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd()
{
    HWND window = Handle();
    SendMessageW(window, LB_SETITEMHEIGHT, 0, itemHeight_);
    SetWindowCount();
    SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::Assign(std::vector<std::string> lines)
{
    Clear();
    items_ = std::move(lines);
    SetWindowCount();
}

void TListBox::SetWindowCount()
{
    if (!HandleAllocated())
        return;
    if (SendMessageW(Handle(), LB_SETCOUNT, items_.size(), 0) < 0) {
        items_.clear();
        itemIndex_ = -1;
        SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
        throw Exception("Unable to insert a line");
    }
    Invalidate();
}

void TListBox::Add(const std::string& line)
{
    items_.push_back(line);
    SetWindowCount();
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

namespace {

// Lines are bytes in the ANSI code page.
std::wstring AnsiToWide(const std::string& ansi)
{
    if (ansi.empty())
        return std::wstring();
    const int size = static_cast<int>(ansi.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), n);
    return wide;
}

}  // namespace

void TListBox::WMGetText(TMessage& m)
{
    // The window has no text of its own: it answers with the stored lines.
    const auto index = static_cast<std::size_t>(m.WParam);
    if (index >= items_.size()) {
        m.Result = LB_ERR;
        return;
    }
    const std::wstring text = AnsiToWide(items_[index]);
    if (m.Msg == LB_GETTEXT)
        std::copy(text.c_str(), text.c_str() + text.size() + 1, reinterpret_cast<wchar_t*>(m.LParam));
    m.Result = static_cast<LRESULT>(text.size());
}

void TListBox::CNDrawItem(TMessage& m)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    m.Result = TRUE;
    if (item->itemID == static_cast<UINT>(-1) || item->itemID >= items_.size())
        return;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    TCanvas canvas(item->hDC);
    canvas.Brush.Color = selected ? clHighlight : Color();
    RECT rect = item->rcItem;
    canvas.FillRect(rect);
    canvas.Font = Font();
    if (selected)
        canvas.Font.SetColor(clHighlightText);
    rect.left += 2;
    canvas.DrawText(rect, Narrow(AnsiToWide(items_[item->itemID])), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item->itemState & ODS_FOCUS)
        DrawFocusRect(item->hDC, &item->rcItem);
}

void TListBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case LB_GETTEXT:
    case LB_GETTEXTLEN: return WMGetText(m);
    case CN_DRAWITEM: return CNDrawItem(m);
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
