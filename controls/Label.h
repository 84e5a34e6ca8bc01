// A windowless text: aligned horizontally and vertically, optionally
// word-wrapped, and transparent over its parent when asked.
#pragma once

#include "controls/Panel.h"
#include "framework/Control.h"

namespace taramel {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);
    std::string ClassName() const override { return "TCustomLabel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // Fits the bounds to the text (single line) whenever the text or font changes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // "&" marks an accelerator when on; off by default so that any text shows as it is.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);

protected:
    void Paint(TCanvas& canvas) override;
    bool IsOpaque() const override { return !transparent_; }
    void TextChanged() override;
    void FontChanged() override;
    // The flags of DrawText for the current settings.
    UINT TextFlags() const;
    // Draws the text in `rect` with `canvas`'s font (engraved when disabled,
    // unless the caller chose the disabled colour itself).
    void DrawLabelText(TCanvas& canvas, RECT rect, bool engraveDisabled = true);
    // Word-wrapped text in whole lines inside `rect`, placed by the layout.
    void DrawWrappedText(TCanvas& canvas, const RECT& rect, bool engraved);

private:
    void AdjustSize();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
    bool showAccelChar_ = false;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    std::string ClassName() const override { return "TLabel"; }
};

}  // namespace taramel
