// paint and preview: sections of a skin painted by the engine's painters.
#include <fstream>

#include "base/Exception.h"
#include "images/PngWriter.h"
#include "skin/SkinNumbers.h"
#include "tools/skintool/OpenSkin.h"
#include "tools/skintool/PreviewSheet.h"
#include "tools/skintool/SectionPicture.h"
#include "tools/skintool/SkinTool.h"

namespace taramel::skintool {

namespace {

struct TLookOptions {
    TSkinLoadSettings Settings;  // hue offset and saturation
    TPictureParent Parent;
};

// --hue N, --saturation N and, when allowed, --parent COLOR|SECTION, from
// arguments[from] on.
TLookOptions ParseLookOptions(const Arguments& arguments, std::size_t from, bool allowParent)
{
    TLookOptions options;
    for (std::size_t i = from; i < arguments.size(); i += 2) {
        const std::string& name = arguments[i];
        if (i + 1 >= arguments.size())
            throw Exception("Option " + name + " needs a value");
        const std::string& value = arguments[i + 1];
        if (name == "--hue") {
            options.Settings.HueOffset = StrictSkinInteger(value);
        } else if (name == "--saturation") {
            options.Settings.Saturation = StrictSkinInteger(value);
        } else if (name == "--parent" && allowParent) {
            if (const auto color = ParseSkinInteger(value))
                options.Parent.Color = *color;
            else
                options.Parent.Section = value;
        } else {
            throw Exception("Unknown option " + name);
        }
    }
    return options;
}

int SizeArgument(const std::string& text)
{
    const int size = StrictSkinInteger(text);
    if (size < 1 || size > 4096)
        throw Exception("Size " + text + " is not between 1 and 4096");
    return size;
}

void WritePng(const std::string& path, const TBitmap& picture, std::ostream& out)
{
    const auto bytes = EncodePng(picture);
    std::ofstream file(TNativeFileSystem::HostPath(path), std::ios::binary | std::ios::trunc);
    if (file)
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw Exception("Cannot write file \"" + path + "\"");
    out << "wrote " << path << " (" << picture.Width() << " x " << picture.Height() << ")\n";
}

}  // namespace

void PaintCommand(const Arguments& arguments, std::ostream& out)
{
    const TLookOptions options = ParseLookOptions(arguments, 6, true);
    const int width = SizeArgument(arguments[2]);
    const int height = SizeArgument(arguments[3]);
    const TPictureState state = ParsePictureState(arguments[4]);
    const auto skin = OpenSkin(arguments[0]);
    TSkinTables tables;
    LoadOpenSkin(*skin, tables, options.Settings);
    TBitmap picture;
    PaintSectionPicture(tables, arguments[1], width, height, state, options.Parent, picture);
    WritePng(arguments[5], picture, out);
}

void PreviewCommand(const Arguments& arguments, std::ostream& out)
{
    const TLookOptions options = ParseLookOptions(arguments, 2, false);
    const auto skin = OpenSkin(arguments[0]);
    TSkinTables tables;
    LoadOpenSkin(*skin, tables, options.Settings);
    TBitmap sheet;
    PaintPreviewSheet(tables, options.Settings.HueOffset, options.Settings.Saturation, sheet);
    WritePng(arguments[1], sheet, out);
}

}  // namespace taramel::skintool
