#include "tools/skintool/PreviewSheet.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "paint/Masks.h"
#include "render/SysColors.h"
#include "skin/SkinLookups.h"
#include "tools/skintool/LabelFont.h"
#include "tools/skintool/SectionPicture.h"

namespace taramel::skintool {

namespace {

constexpr int kMargin = 12;
constexpr int kLabelColumn = 132;
constexpr int kPad = 8;
constexpr int kCellWidth = 136;
constexpr TColor kSheetColor = MakeColor(224, 224, 224);
constexpr TColor kInk = MakeColor(32, 32, 32);

struct TSampleSize {
    const char* section;
    int width, height;
    bool text;  // the section shows text: draw a sample in its colours
};

// Typical sizes of the parts the program shows; others get 88 x 26.
// clang-format off
constexpr TSampleSize kSizes[] = {
    {"FORM", 120, 56, true}, {"DIALOG", 120, 56, true}, {"FORMTITLE", 120, 22, true}, {"BARTITLE", 120, 22, true},
    {"TITLEBUTTON", 22, 18, false}, {"MAINMENU", 88, 40, true}, {"MENUITEM", 88, 20, true}, {"MENULINE", 88, 20, true},
    {"DIVIDERV", 88, 9, false}, {"ICOLINE", 24, 40, false}, {"EXTRALINE", 24, 40, false}, {"PANEL", 88, 40, true},
    {"PANEL_LOW", 88, 40, true}, {"TABSHEET", 88, 40, true}, {"PAGECONTROL", 88, 40, true}, {"MDIAREA", 88, 40, false},
    {"GROUPBOX", 88, 48, true}, {"CHECKBOX", 88, 20, true}, {"RADIOBUTTON", 88, 20, true}, {"BUTTON", 88, 26, true},
    {"COLHEADER", 88, 22, true}, {"SPEEDBUTTON", 88, 22, true}, {"SPEEDBUTTON_SMALL", 40, 18, true},
    {"TOOLBUTTON", 40, 24, true}, {"WEBBUTTON", 88, 20, true}, {"EDIT", 88, 22, true}, {"LISTBOX", 88, 40, true},
    {"COMBOBOX", 88, 22, true}, {"COMBOBTN", 17, 20, false}, {"STATUSBAR", 120, 22, true}, {"DIVIDER", 8, 22, false},
    {"SCROLLBAR1H", 88, 16, false}, {"SCROLLBAR2H", 88, 16, false}, {"SCROLLBAR1V", 16, 56, false},
    {"SCROLLBAR2V", 16, 56, false}, {"SCROLLSLIDERH", 48, 16, false}, {"SCROLLSLIDERV", 16, 48, false},
    {"SCROLLBTNTOP", 16, 16, false}, {"SCROLLBTNBOTTOM", 16, 16, false}, {"SCROLLBTNLEFT", 16, 16, false},
    {"SCROLLBTNRIGHT", 16, 16, false}, {"TABTOP", 64, 24, true}, {"TABBOTTOM", 64, 24, true},
    {"TABLEFT", 64, 24, true}, {"TABRIGHT", 64, 24, true}, {"GAUGE", 88, 18, false}, {"TRACKBAR", 88, 18, false},
    {"SPLITTER", 88, 6, false}, {"DRAGBAR", 88, 12, false}, {"TOOLBAR", 88, 28, true}, {"BAR", 88, 28, true},
};
// clang-format on

TSampleSize SizeOf(const std::string& section)
{
    for (const TSampleSize& s : kSizes)
        if (section == s.section)
            return s;
    return {nullptr, 88, 26, true};
}

TColor Mix(TColor a, TColor b)
{
    return MakeColor((RedOf(a) + RedOf(b) + 1) / 2, (GreenOf(a) + GreenOf(b) + 1) / 2,
                     (BlueOf(a) + BlueOf(b) + 1) / 2);
}

void FillRect(TBitmap& bitmap, const TRect& r, TColor color)
{
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, bitmap.Height()); ++y)
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, bitmap.Width()); ++x) {
            std::uint8_t* px = bitmap.ScanLine(y) + 3 * x;
            px[0] = BlueOf(color);
            px[1] = GreenOf(color);
            px[2] = RedOf(color);
        }
}

void Blit(TBitmap& sheet, const TBitmap& cell, int x, int y)
{
    for (int row = 0; row < cell.Height(); ++row)
        std::memcpy(sheet.ScanLine(y + row) + 3 * x, cell.ScanLine(row), 3 * static_cast<std::size_t>(cell.Width()));
}

// A 32-bit own picture (glows, shadows: premultiplied colour) over the sheet.
void CompositePremultiplied(TBitmap& sheet, const TBitmap& picture, int x, int y)
{
    for (int row = 0; row < picture.Height(); ++row) {
        const std::uint8_t* src = picture.ScanLine(row);
        std::uint8_t* dst = sheet.ScanLine(y + row) + 3 * x;
        for (int col = 0; col < picture.Width(); ++col, src += 4, dst += 3)
            for (int c = 0; c < 3; ++c)
                dst[c] = static_cast<std::uint8_t>(std::min(255, src[c] + dst[c] * (255 - src[3]) / 255));
    }
}

struct TRow {
    std::string label;
    int height;
};

class TSheet {
public:
    TSheet(const TSkinTables& tables, TBitmap& sheet) : t_(tables), sheet_(sheet) {}

    void Paint(int hue, int saturation)
    {
        std::vector<const TsGeneralData*> sections;
        for (const TsGeneralData& s : t_.Sections)
            if (s.SectionName != s_GlobalInfo)
                sections.push_back(&s);
        std::vector<const TsMaskData*> globalImages;
        for (const TsMaskData& m : t_.Images)
            if (m.SectionName == s_GlobalInfo)
                globalImages.push_back(&m);

        int height = kMargin + 2 * (kLabelHeight * 2) + 3 * kPad;
        for (const TsGeneralData* s : sections)
            height += SizeOf(s->SectionName).height + 2 * kPad;
        for (const TsMaskData* m : globalImages)
            height += StateImageHeight(*m) + 2 * kPad;
        height += kMargin;
        sheet_.SetPixelFormat(TPixelFormat::pf24bit);
        sheet_.SetSize(kMargin * 2 + kLabelColumn + psStateCount * kCellWidth, height);
        FillRect(sheet_, {0, 0, sheet_.Width(), sheet_.Height()}, kSheetColor);

        std::string title = "SKIN PREVIEW  HUE " + std::to_string(hue) + "  SATURATION " + std::to_string(saturation);
        DrawLabel(sheet_, kMargin, kMargin, title, kInk, 2);
        y_ = kMargin + kLabelHeight * 2 + 2 * kPad;
        for (int s = 0; s < psStateCount; ++s)
            DrawLabel(sheet_, CellLeft(s), y_, PictureStateName(static_cast<TPictureState>(s)), kInk, 2);
        y_ += kLabelHeight * 2 + kPad;

        for (const TsGeneralData* s : sections)
            SectionRow(*s);
        for (const TsMaskData* m : globalImages)
            ImageRow(*m);
    }

private:
    static int CellLeft(int state) { return kMargin + kLabelColumn + state * kCellWidth; }

    void RowLabel(const std::string& text, int rowHeight)
    {
        DrawLabel(sheet_, kMargin, y_ + (rowHeight - kLabelHeight) / 2, text, kInk);
    }

    void SectionRow(const TsGeneralData& s)
    {
        const TSampleSize size = SizeOf(s.SectionName);
        const int rowHeight = size.height + 2 * kPad;
        RowLabel(s.SectionName, rowHeight);
        const int glyph = FindImage(t_, FindSection(t_, s.SectionName), s.SectionName, s_GlyphMask);
        for (int st = 0; st < psStateCount; ++st) {
            const auto state = static_cast<TPictureState>(st);
            TBitmap cell;
            PaintSectionPicture(t_, s.SectionName, size.width, size.height, state, {}, cell);
            if (glyph >= 0) {
                const TsMaskData& m = t_.Images[glyph];
                const TPoint at{(size.width - StateImageWidth(m)) / 2, (size.height - StateImageHeight(m)) / 2};
                DrawMaskImage(t_, cell, at, state == psDisabled ? 0 : st, EmptyBgCache, m, state == psDisabled ? 2 : 1);
            }
            if (size.text && size.height >= 16 && size.width >= 32)
                TextSample(cell, s, state);
            Blit(sheet_, cell, CellLeft(st) + (kCellWidth - size.width) / 2, y_ + kPad);
        }
        y_ += rowHeight;
    }

    void TextSample(TBitmap& cell, const TsGeneralData& s, TPictureState state)
    {
        TColor color = ResolveColor(state == psHot || state == psPressed ? s.HotFontColor[0] : s.FontColor[0]);
        if (state == psDisabled)
            color = Mix(color, GlobalBackColor(t_));
        const char* sample = "Aa";
        DrawLabel(cell, (cell.Width() - LabelWidth(sample, 2)) / 2, (cell.Height() - kLabelHeight * 2) / 2, sample,
                  color, 2);
    }

    void ImageRow(const TsMaskData& m)
    {
        const int w = StateImageWidth(m), h = StateImageHeight(m);
        const int rowHeight = h + 2 * kPad;
        RowLabel(m.PropertyName, rowHeight);
        const TColor surface = GlobalBackColor(t_);
        for (int st = 0; st < psStateCount; ++st) {
            const int left = CellLeft(st) + (kCellWidth - w) / 2;
            FillRect(sheet_, {CellLeft(st) + kPad, y_ + kPad / 2, CellLeft(st) + kCellWidth - kPad,
                              y_ + rowHeight - kPad / 2},
                     surface);
            if (m.Image && m.Image->PixelFormat() == TPixelFormat::pf32bit) {
                if (st == psNormal)  // a glow or a shadow: one picture, for layered windows
                    CompositePremultiplied(sheet_, *m.Image, left, y_ + kPad);
                continue;
            }
            // Disabled: the half-transparent drawing of inactive caption buttons.
            DrawMaskImage(t_, sheet_, {left, y_ + kPad}, st == psDisabled ? 0 : st, EmptyBgCache, m,
                          st == psDisabled ? 2 : 1);
        }
        y_ += rowHeight;
    }

    const TSkinTables& t_;
    TBitmap& sheet_;
    int y_ = 0;
};

}  // namespace

void PaintPreviewSheet(const TSkinTables& tables, int hueOffset, int saturation, TBitmap& sheet)
{
    TSheet(tables, sheet).Paint(hueOffset, saturation);
}

}  // namespace taramel::skintool
