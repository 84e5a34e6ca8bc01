// Card texts of any length stay inside their labels: whole lines only, never
// over the coloured frames around them.
#include "FormsFixture.h"

#include "tests/support/InkBox.h"
#include "tests/support/PixelCanvas.h"

namespace taramel::forms_test {
namespace {

// A window painted into memory, read back in one piece.
class TPanelPicture {
public:
    explicit TPanelPicture(TWinControl* panel) : width_(panel->Width()), height_(panel->Height())
    {
        const testsupport::TPixelCanvas canvas(width_, height_);
        SendMessageW(panel->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
        pixels_ = canvas.Pixels();
    }

    // The box around the text's pixels: dark ones, which neither the white
    // card, the red or green frames nor the panel's face are.
    RECT InkBox() const
    {
        return testsupport::InkBoxOf({0, 0, width_, height_}, [&](int x, int y) {
            const COLORREF p = pixels_[static_cast<std::size_t>(y) * width_ + x];
            return GetRValue(p) < 128 && GetGValue(p) < 128 && GetBValue(p) < 128;
        });
    }

private:
    int width_;
    int height_;
    std::vector<COLORREF> pixels_;
};

void ExpectInkInside(TWinControl* panel, TControl* label, const std::string& what)
{
    const RECT ink = TPanelPicture(panel).InkBox();
    ASSERT_LT(ink.left, ink.right) << what << ": no text drawn";
    EXPECT_GE(ink.left, label->Left()) << what;
    EXPECT_GE(ink.top, label->Top()) << what;
    EXPECT_LE(ink.right, label->Left() + label->Width()) << what;
    EXPECT_LE(ink.bottom, label->Top() + label->Height()) << what;
}

class CardText : public FormsTest {};

TEST_F(CardText, EveryCardOfTheSampleDeckStaysInsideItsLabels)
{
    StartProgram(ReadBytes(std::string(TARAMEL_SOURCE_DIR) + "/app/test.txt").c_str());
    ASSERT_TRUE(reports.empty());
    Form1->Show();
    ClickWindow(Form2->sRadioButton2);  // file order
    for (int card = 0; card * 2 < Form1->Deck().Count(); ++card) {
        const std::string where = "card " + std::to_string(card);
        ExpectInkInside(Form1->sPanel1, Form1->sLabel1, where + " question");
        ExpectInkInside(Form1->sPanel3, Form1->sLabel2, where + " answer");
        ClickWindow(Form1->sBitBtn1);
    }
    EXPECT_TRUE(reports.empty());
    Form1->Hide();
}

TEST_F(CardText, AHundredThousandCharacterLineFillsItsLabelAndStopsThere)
{
    std::string words;
    while (words.size() < 100000)
        words += "\xC8\xF1\xF2\xEE\xF0\xE8\xFF ";  // "История " in Windows-1251
    const std::string unbroken(100000, 'W');
    for (const std::string& line : {words, unbroken}) {
        StartProgram((line + "\r\n" + line + "\r\n").c_str());
        ASSERT_TRUE(reports.empty());
        Form1->Show();
        for (auto [panel, label] : {std::pair<TWinControl*, TControl*>{Form1->sPanel1, Form1->sLabel1},
                                    {Form1->sPanel3, Form1->sLabel2}}) {
            const RECT ink = TPanelPicture(panel).InkBox();
            ExpectInkInside(panel, label, label->Name());
            // The label is full: its lines reach down to its last whole line.
            EXPECT_GT(ink.bottom - ink.top, label->Height() / 2) << label->Name();
        }
        Form1->Hide();
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

}  // namespace
}  // namespace taramel::forms_test
