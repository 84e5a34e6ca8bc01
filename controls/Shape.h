// A windowless rectangle filled with the brush and outlined with the pen;
// the pen may combine with what is under it (mask mode: pen AND background).
#pragma once

#include "framework/Control.h"

namespace taramel {

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner);
    std::string ClassName() const override { return "TShape"; }

    TBrush& Brush() { return brush_; }
    TPen& Pen() { return pen_; }
    void Changed() { Invalidate(); }

protected:
    void Paint(TCanvas& canvas) override;

private:
    TBrush brush_;
    TPen pen_;
};

}  // namespace taramel
