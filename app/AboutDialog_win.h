// The About dialog: the program, its version, its author and the ways to
// reach them, with the program's logo.
#pragma once

#include "controls/Image.h"
#include "controls/SkinnedControls.h"
#include "controls/WebLabel.h"
#include "framework/Form.h"

namespace taramel {

inline constexpr const char* kAuthorName = "Ерлан Тасболатов";
inline constexpr const char* kAuthorMail = "tas@example.com";
inline constexpr const char* kAuthorIcq = "318-204-657";

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    ~TForm3() override;
    std::string ClassName() const override { return "TForm3"; }

    TsPanel* sPanel1;
    TsLabel* sLabel2;
    TsLabel* sLabel9;
    TsLabel* sLabel6;
    TsLabel* sLabel11;
    TsLabel* sLabel5;
    TsWebLabel* sWebLabel1;
    TsLabel* sLabel4;
    TsWebLabel* sWebLabel3;
    TsLabel* sLabel7;
    TsLabel* sLabel8;
    TImage* Image1;

protected:
    void CreateWnd() override;

private:
    bool logoLoaded_ = false;
};

extern TForm3* Form3;

}  // namespace taramel
