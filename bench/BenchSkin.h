// A skin held in memory for the painting benchmarks.
#pragma once

#include <memory>

#include "render/Gradient.h"
#include "skin/SkinTables.h"

namespace taramel::bench {

// A skin in memory: a masked three-state border (24 x 24 states with 6-pixel
// borders over their mask), a 32 x 32 texture, a panel and a button section.
struct BenchSkin {
    TSkinTables t;
    int panel = -1, button = -1;

    BenchSkin()
    {
        t.MasterBitmap = std::make_unique<TBitmap>(128, 64, TPixelFormat::pf24bit);
        TBitmap& m = *t.MasterBitmap;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 128; ++x) {
                std::uint8_t* p = m.ScanLine(y) + 3 * x;
                const bool maskHalf = x < 72 && y >= 24 && y < 48;
                const int cx = x % 24, cy = y % 24;
                const bool edge = cx < 6 || cy < 6 || cx >= 18 || cy >= 18;
                p[0] = static_cast<std::uint8_t>(maskHalf ? (edge ? 0 : 160) : x * 3 + y);
                p[1] = static_cast<std::uint8_t>(maskHalf ? (edge ? 0 : 160) : 200 - y);
                p[2] = static_cast<std::uint8_t>(maskHalf ? (edge ? 0 : 160) : (x ^ y) * 5);
                if (!maskHalf && x < 72 && y < 24 && cx < 2 && cy < 2) {
                    p[0] = 255;  // transparent corners
                    p[1] = 0;
                    p[2] = 255;
                }
            }
        TsMaskData border;
        border.ImageRect = {0, 0, 72, 48};
        border.ImageCount = 3;
        border.MaskType = 1;
        border.WL = border.WT = border.WR = border.WB = 6;
        t.Images.push_back(std::move(border));
        TsMaskData texture;
        texture.ImageRect = {80, 0, 112, 32};
        texture.ImageCount = 1;
        texture.ImgType = itisaTexture;
        t.Images.push_back(std::move(texture));

        TsGeneralData p;
        p.SectionName = "PANEL";
        p.Color = 0xC0C0C0;
        p.BorderIndex = 0;
        p.GradientPercent = 40;
        p.ImagePercent = 60;
        p.GradientData = "16777215;12632256;50;0;0;12632256;8421504;50;0;0";
        ParseGradientData(p.GradientData, p.GradientArray);
        t.Sections.push_back(p);
        panel = 0;
        TsGeneralData b = p;
        b.SectionName = "BUTTON";
        b.ImagePercent = 0;
        b.GradientPercent = 100;
        b.HotGradientPercent = 80;
        b.HotColor = 0xF0E0D0;
        b.HotGradientData = "16777215;14737632;100;0;0";
        ParseGradientData(b.HotGradientData, b.HotGradientArray);
        t.Sections.push_back(b);
        button = 1;
    }
};

}  // namespace taramel::bench
