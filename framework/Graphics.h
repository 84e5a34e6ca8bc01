// Font, brush and pen descriptions, and the canvas that draws with them over
// a device context. The descriptions are plain values; GDI objects are made
// when drawing needs them and released by their owners.
#pragma once

#include "base/Color.h"
#include "render/SysColors.h"
#include "framework/Handles.h"

#include <functional>
#include <string>

namespace taramel {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
public:
    TFont();
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);

    // Copies every attribute; OnChange runs once when something differed.
    void Assign(const TFont& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    bool operator==(const TFont& other) const;

    // The GDI font, made on first use and kept until an attribute changes.
    HFONT Handle() const;

    std::function<void()> OnChange;

private:
    void Changed();

    std::string name_ = "Tahoma";
    int height_ = -11;
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    mutable TFontHandle handle_;
};

enum class TBrushStyle { Solid, Clear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::Solid;
};

enum class TPenMode { Copy, Mask };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenMode Mode = TPenMode::Copy;
};

// Drawing over a DC that somebody else owns. Every operation selects what it
// needs and puts the DC's previous objects back before it returns.
class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(HDC dc) : dc_(dc) {}

    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc) { dc_ = dc; }

    TFont Font;
    TBrush Brush;
    TPen Pen;

    void FillRect(const RECT& rect);
    // Filled with the brush, outlined with the pen (the pen's width drawn inside
    // the rectangle's outer edge, as GDI does).
    void Rectangle(int left, int top, int right, int bottom);
    void FrameRect(const RECT& rect, TColor color);
    void TextOut(int x, int y, const std::string& text);
    // DrawTextW with the given DT_ flags; returns the height of the text.
    int DrawText(RECT& rect, const std::string& text, UINT flags);
    SIZE TextExtent(const std::string& text);
    void Draw3DFrame(RECT& rect, TColor topLeft, TColor bottomRight, int width);

private:
    HDC dc_ = nullptr;
};

}  // namespace taramel
