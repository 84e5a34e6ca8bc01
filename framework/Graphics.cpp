#include "framework/Graphics.h"

#include "framework/Unicode.h"

namespace taramel {

TFont::TFont() = default;

TFont::TFont(const TFont& other)
    : name_(other.name_), height_(other.height_), style_(other.style_), color_(other.color_),
      charset_(other.charset_)
{
}

TFont& TFont::operator=(const TFont& other)
{
    Assign(other);
    return *this;
}

bool TFont::operator==(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
           color_ == other.color_ && charset_ == other.charset_;
}

void TFont::Assign(const TFont& other)
{
    if (*this == other)
        return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

void TFont::Changed()
{
    handle_.Reset();
    if (OnChange)
        OnChange();
}

void TFont::SetName(const std::string& name)
{
    if (name_ != name) {
        name_ = name;
        Changed();
    }
}

void TFont::SetHeight(int height)
{
    if (height_ != height) {
        height_ = height;
        Changed();
    }
}

void TFont::SetStyle(unsigned style)
{
    if (style_ != style) {
        style_ = style;
        Changed();
    }
}

void TFont::SetColor(TColor color)
{
    if (color_ != color) {
        color_ = color;
        // The colour is not part of the GDI font.
        if (OnChange)
            OnChange();
    }
}

void TFont::SetCharset(int charset)
{
    if (charset_ != charset) {
        charset_ = charset;
        Changed();
    }
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        const std::wstring face = Widen(name_);
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

void TCanvas::FillRect(const RECT& rect)
{
    if (Brush.Style == TBrushStyle::Clear)
        return;
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(Brush.Color)));
    ::FillRect(dc_, &rect, brush.Get());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    TBrushHandle brush(Brush.Style == TBrushStyle::Solid ? CreateSolidBrush(ColorToRGB(Brush.Color)) : nullptr);
    TPenHandle pen(Pen.Width > 0 ? CreatePen(PS_INSIDEFRAME, Pen.Width, ColorToRGB(Pen.Color)) : nullptr);
    TSelectObject selectBrush(dc_, brush ? static_cast<HGDIOBJ>(brush.Get()) : GetStockObject(NULL_BRUSH));
    TSelectObject selectPen(dc_, pen ? static_cast<HGDIOBJ>(pen.Get()) : GetStockObject(NULL_PEN));
    const int oldRop = SetROP2(dc_, Pen.Mode == TPenMode::Mask ? R2_MASKPEN : R2_COPYPEN);
    ::Rectangle(dc_, left, top, right, bottom);
    SetROP2(dc_, oldRop);
}

void TCanvas::FrameRect(const RECT& rect, TColor color)
{
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    ::FrameRect(dc_, &rect, brush.Get());
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const std::wstring wide = Widen(text);
    TSelectObject font(dc_, Font.Handle());
    SetTextColor(dc_, ColorToRGB(Font.Color()));
    const int oldMode = SetBkMode(dc_, Brush.Style == TBrushStyle::Clear ? TRANSPARENT : OPAQUE);
    SetBkColor(dc_, ColorToRGB(Brush.Color));
    ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
    SetBkMode(dc_, oldMode);
}

int TCanvas::DrawText(RECT& rect, const std::string& text, UINT flags)
{
    const std::wstring wide = Widen(text);
    TSelectObject font(dc_, Font.Handle());
    SetTextColor(dc_, ColorToRGB(Font.Color()));
    const int oldMode = SetBkMode(dc_, TRANSPARENT);
    const int height = ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect, flags);
    SetBkMode(dc_, oldMode);
    return height;
}

SIZE TCanvas::TextExtent(const std::string& text)
{
    const std::wstring wide = Widen(text);
    TSelectObject font(dc_, Font.Handle());
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void TCanvas::Draw3DFrame(RECT& rect, TColor topLeft, TColor bottomRight, int width)
{
    TBrushHandle light(CreateSolidBrush(ColorToRGB(topLeft)));
    TBrushHandle dark(CreateSolidBrush(ColorToRGB(bottomRight)));
    for (int i = 0; i < width; ++i) {
        RECT top{rect.left, rect.top, rect.right - 1, rect.top + 1};
        RECT left{rect.left, rect.top, rect.left + 1, rect.bottom - 1};
        RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
        RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
        ::FillRect(dc_, &top, light.Get());
        ::FillRect(dc_, &left, light.Get());
        ::FillRect(dc_, &bottom, dark.Get());
        ::FillRect(dc_, &right, dark.Get());
        InflateRect(&rect, -1, -1);
    }
}

}  // namespace taramel
