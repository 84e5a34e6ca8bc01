#include "engine/SkinManagerCore.h"

#include <cstdio>
#include <cstring>

#include "base/Exception.h"
#include "images/ComposeImage32.h"
#include "paint/FrameGeometry.h"
#include "paint/Masks.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLoader.h"
#include "skin/SkinLookups.h"
#include "skin/SkinPlace.h"
#include "skin/StoredSkinLoader.h"
#include "skin/PackedSkin.h"

namespace taramel {
namespace {

// A 32-bit copy of one state of a skin image (states lie side by side).
std::unique_ptr<TBitmap> CopyImageState(const TSkinTables& t, int imageIndex, int state)
{
    const TsMaskData& image = t.Images[static_cast<std::size_t>(imageIndex)];
    // A state by the image's own count, also for a picture file of its own
    // (whose lookup size is always a third of it): a one-state shadow is
    // the whole picture.
    const TSize size{StateImageWidth(image), StateImageHeight(image)};
    const TBitmap* source = image.Image ? image.Image.get() : t.MasterBitmap.get();
    auto copy = std::make_unique<TBitmap>();
    if (source == nullptr || size.cx <= 0 || size.cy <= 0)
        return copy;
    const int x0 = (image.Image ? 0 : image.ImageRect.Left) + state * size.cx;
    const int y0 = image.Image ? 0 : image.ImageRect.Top;
    copy = std::make_unique<TBitmap>(size.cx, size.cy, TPixelFormat::pf32bit);
    for (int y = 0; y < size.cy; ++y) {
        std::uint8_t* out = copy->ScanLine(y);
        for (int x = 0; x < size.cx; ++x, out += 4) {
            const int sx = x0 + x, sy = y0 + y;
            if (sx < 0 || sy < 0 || sx >= source->Width() || sy >= source->Height()) {
                std::memset(out, 0, 4);
                continue;
            }
            if (source->PixelFormat() == TPixelFormat::pf32bit) {
                std::memcpy(out, source->ScanLine(sy) + sx * 4, 4);
                continue;
            }
            const std::uint32_t c = source->PixelColor(sx, sy);
            out[0] = static_cast<std::uint8_t>(c >> 16);
            out[1] = static_cast<std::uint8_t>(c >> 8);
            out[2] = static_cast<std::uint8_t>(c);
            out[3] = 0;
        }
    }
    return copy;
}

std::unique_ptr<TBitmap> CopyOf(const TBitmap& source)
{
    auto copy = std::make_unique<TBitmap>();
    if (!source.Empty())
        copy->Assign(source);
    return copy;
}

// The file a report names for a picture of the skin: beside the options
// text in a folder, inside the packed file otherwise.
std::string SkinFileName(const TSkinPlace& place, const std::string& name)
{
    if (place.Kind == TSkinPlaceKind::Packed)
        return place.PackedFile + " (" + name + ")";
    return place.SkinPath + name;
}

// Without its options text or its master picture a skin gives a frame with no
// caption, no caption buttons and invisible marks: it is refused, naming the
// file, and the program goes on in the plain look instead.
void RefuseEmptyOptions(const std::vector<std::uint8_t>& text, const std::string& file, TSkinFileSystem& files)
{
    if (text.empty())
        throw Exception("Файл оформления «" + files.ShownPath(file) + "» пуст.");
}

void RefuseWithoutMaster(const TSkinTables& tables, const TSkinPlace& place, TSkinFileSystem& files)
{
    const std::string& name = tables.SkinData.MasterBitmap;
    if (!name.empty() && !tables.MasterBitmap)
        throw Exception("Основной рисунок оформления «" + files.ShownPath(SkinFileName(place, name)) +
                        "» не найден или не читается.");
}

}  // namespace

ThirdPartyList::ThirdPartyList()
{
    for (int kind = 0; kind < tpThirdPartyCount; ++kind)
        Texts[static_cast<std::size_t>(kind)] = DefaultText(kind);
}

std::string ThirdPartyList::DefaultText(int kind)
{
    return kind == tpButtons ? "TButton" : " ";
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool LoadSkinTables(const TSkinRequest& request, TSkinFileSystem& files, TSkinTables& tables)
{
    // Never freed: a manager destroyed at the program's end may outlive
    // every function-local static.
    static const auto* noStoredSkins = new TsStoredSkins;
    const TsStoredSkins& stored = request.Stored ? *request.Stored : *noStoredSkins;
    const TSkinPlace place = ChooseSkinPlace(request.Directory, request.Name, stored, files);
    if (place.Kind == TSkinPlaceKind::Missing) {
        tables.Clear();
        RefreshCommonIndexes(tables);
        return false;
    }

    TSkinLoadSettings settings;
    settings.CommonSections = JoinLines(request.CommonSections);
    settings.HueOffset = request.HueOffset;
    settings.Saturation = request.Saturation;
    settings.Manager = request.Manager;
    settings.VersionCheck = request.VersionCheck;
    settings.NameFilesInErrors = true;

    // A skin refused halfway leaves nothing of itself or of the one before.
    try {
        std::unique_ptr<TacSkinConvertor> reader = OpenPackedSkin(place, stored, files);
        if (reader) {
            RefuseEmptyOptions(reader->Options, SkinFileName(place, "Options.dat"), files);
            TSkinSource source = PackedSkinSource(*reader, place.SkinPath);
            source.Files = &files;
            LoadSkin(source, settings, tables);
        } else if (place.Kind == TSkinPlaceKind::Folder) {
            const std::vector<std::uint8_t> text = files.ReadFile(place.OptionsFile);
            RefuseEmptyOptions(text, place.OptionsFile, files);
            TSkinSource source;
            source.OptionsText = std::string_view(reinterpret_cast<const char*>(text.data()), text.size());
            source.SkinPath = place.SkinPath;
            source.Files = &files;
            LoadSkin(source, settings, tables);
        } else {
            LoadStoredSkin(stored.Items[static_cast<std::size_t>(place.StoredIndex)], settings, tables);
        }
        RefuseWithoutMaster(tables, place, files);
    } catch (...) {
        tables.Clear();
        RefreshCommonIndexes(tables);
        throw;
    }
    tables.SkinData.SkinPath = place.SkinPath;
    return true;
}

std::string SkinVersionInfo(const TSkinTables& tables)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", tables.SkinData.Version);
    std::string info = text;
    for (char& c : info)
        if (c == ',')
            c = '.';
    return info;
}

std::vector<std::string> PackCommonSectionLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> packed;
    for (const std::string& line : lines) {
        if (!line.empty() && line[0] == ';') {
            packed.push_back(line);
            continue;
        }
        std::string text;
        for (char c : line)
            if (c != ' ')
                text += c;
        packed.push_back(text);
    }
    return packed;
}

TShadowPictures MakeShadowPictures(const TSkinTables& tables, const std::function<bool()>& compositionEnabled,
                                   const TBitmap& builtInActive, const TBitmap& builtInInactive)
{
    TShadowPictures shadows;
    const int exBorder = tables.CommonIndexes.ExBorder;
    if (ImageExists(tables, exBorder)) {
        const TsMaskData& image = tables.Images[static_cast<std::size_t>(exBorder)];
        const TsSkinData& d = tables.SkinData;
        ExtendedBorderValues values;
        values.FormOffset = d.FormOffset;
        values.BorderMode = d.BorderMode;
        values.HasImage = true;
        values.ImageMargins = {image.WL, image.WT, image.WR, image.WB};
        const FrameMargins m = ShadowMargins(values, false);
        shadows.Margins = {m.Left, m.Top, m.Right, m.Bottom};
        shadows.Active = CopyImageState(tables, exBorder, 0);
        shadows.Inactive = CopyImageState(tables, exBorder, image.ImageCount == 1 ? 0 : 1);
    } else {
        const FrameMargins m = ShadowMargins(ExtendedBorderValues{}, compositionEnabled && compositionEnabled());
        shadows.Margins = {m.Left, m.Top, m.Right, m.Bottom};
        shadows.Active = CopyOf(builtInActive);
        shadows.Inactive = CopyOf(builtInInactive);
    }
    ClearWhiteTransparent(*shadows.Active);
    ClearWhiteTransparent(*shadows.Inactive);
    return shadows;
}

}  // namespace taramel
