// A titled, etched frame around a group of controls.
#pragma once

#include "framework/WinControl.h"

namespace taramel {

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    std::string ClassName() const override { return "TGroupBox"; }

protected:
    void Paint(TCanvas& canvas) override;
};

}  // namespace taramel
