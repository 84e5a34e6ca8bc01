#include "skin/SkinLoader.h"

#include <algorithm>

#include "base/Exception.h"
#include "images/BmpReader.h"
#include "images/PictureWidth.h"
#include "images/JpegReader.h"
#include "images/PngReader.h"
#include "render/SysColors.h"
#include "skin/ColorAdjust.h"
#include "skin/OptionsText.h"
#include "skin/SkinLookups.h"
#include "skin/SkinNumbers.h"
#include "skin/SkinFiles.h"
#include "skin/SkinLoaderParts.h"
#include "skin/SkinSectionReader.h"
#include "skin/PackedSkin.h"

namespace taramel {

namespace {

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

// Words of a text separated by any of the delimiters; empty words do not count.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view delimiters)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && delimiters.find(text[i]) != std::string_view::npos)
            ++i;
        std::size_t start = i;
        while (i < text.size() && delimiters.find(text[i]) == std::string_view::npos)
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string_view Word(const std::vector<std::string_view>& words, std::size_t n)  // 1-based
{
    return n <= words.size() ? words[n - 1] : std::string_view();
}

// The characters at 1-based positions [from, from + count) of the value,
// shorter (or empty) where the value ends, read strictly as an integer.
std::int32_t Field(std::string_view value, std::size_t from, std::size_t count)
{
    std::string_view part = from - 1 < value.size() ? value.substr(from - 1, count) : std::string_view();
    return StrictSkinInteger(part);
}

std::int16_t Short(std::int32_t v) { return static_cast<std::int16_t>(v); }

void DecodePng(const std::uint8_t* data, std::size_t size, TBitmap& target)
{
    TPNGGraphic png;
    LoadPngFromMemory(data, size, png);
    target.Assign(png);
}

class TLoader {
public:
    TLoader(const TSkinSource& source, const TSkinLoadSettings& settings, TSkinTables& tables)
        : src_(source), set_(settings), t_(tables)
    {
        text_.Parse(source.OptionsText);
        if (!set_.CommonSections.empty())
            common_.ParseUntrimmed(set_.CommonSections);
    }

    void Run()
    {
        LoadImages();
        LoadPatterns();
        LoadSections();
        RefreshCommonIndexes(t_);
    }

private:
    // ---- files and pictures ----

    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) const
    {
        TSkinFileSystem& files = src_.Files ? *src_.Files : CurrentSkinFileSystem();
        if (!files.FileExists(path))
            return std::nullopt;
        return files.ReadFile(path);
    }

    std::string FolderPath(std::string_view name) const
    {
        return Contains(name, ":") ? std::string(name) : src_.SkinPath + std::string(name);
    }

    // The bytes of a named skin file: in a packed skin the entry whose
    // upper-cased name equals the name exactly, else the file in the skin folder.
    std::optional<std::vector<std::uint8_t>> Find(std::string_view name, bool forceFolder = false) const
    {
        auto bytes = FindBytes(name, forceFolder);
        Note(bytes ? TSkinFileNote::Read : TSkinFileNote::Missing, name);
        return bytes;
    }

    std::optional<std::vector<std::uint8_t>> FindBytes(std::string_view name, bool forceFolder) const
    {
        if (src_.Packed && !forceFolder) {
            for (const TSkinEntry& e : src_.Entries)
                if (UpperAscii(e.Name) == name)
                    return std::vector<std::uint8_t>(e.Data, e.Data + e.Size);
            return std::nullopt;
        }
        return ReadFile(FolderPath(name));
    }

    void Note(TSkinFileNote::TKind kind, std::string_view file, const TRect& rect = {}) const
    {
        if (set_.FileNotes)
            set_.FileNotes(TSkinFileNote{kind, noteSection_, noteKey_, std::string(file), rect});
    }

    std::unique_ptr<TBitmap> Decode(const TImageDecoder& decoder, void (*fallback)(const std::uint8_t*, std::size_t, TBitmap&),
                                    const std::vector<std::uint8_t>& bytes, std::string_view name) const
    {
        // A picture of width 0 is skipped, whatever its reader would say of it.
        if (DeclaredPictureWidth(bytes) == 0) {
            Note(TSkinFileNote::Unreadable, name);
            return nullptr;
        }
        auto bitmap = std::make_unique<TBitmap>();
        try {
            if (decoder)
                decoder(bytes.data(), bytes.size(), *bitmap);
            else if (fallback)
                fallback(bytes.data(), bytes.size(), *bitmap);
            else
                return nullptr;
        } catch (const Exception& e) {
            if (!set_.NameFilesInErrors)
                throw;
            TSkinFileSystem& files = src_.Files ? *src_.Files : CurrentSkinFileSystem();
            throw Exception(e.Message() + " («" + files.ShownPath(src_.Packed ? std::string(name) : FolderPath(name)) +
                            "»)");
        }
        if (bitmap->Width() <= 0 || bitmap->Height() <= 0) {
            Note(TSkinFileNote::Unreadable, name);
            return nullptr;
        }
        return bitmap;
    }

    std::unique_ptr<TBitmap> LoadBmp(std::string_view name, bool forceFolder = false) const
    {
        auto bytes = Find(name, forceFolder);
        return bytes ? Decode(set_.DecodeBmp, LoadBmpFromMemory, *bytes, name) : nullptr;
    }

    std::unique_ptr<TBitmap> LoadJpeg(std::string_view name, bool forceFolder) const
    {
        auto bytes = Find(name, forceFolder);
        return bytes ? Decode(set_.DecodeJpeg, LoadJpegFromMemory, *bytes, name) : nullptr;
    }

    std::unique_ptr<TBitmap> LoadPng(std::string_view name) const
    {
        auto bytes = Find(name);
        auto bitmap = bytes ? Decode(set_.DecodePng, DecodePng, *bytes, name) : nullptr;
        if (bitmap && bitmap->PixelFormat() != TPixelFormat::pf32bit)
            bitmap->SetPixelFormat(TPixelFormat::pf24bit);
        if (bitmap && bitmap->PixelFormat() == TPixelFormat::pf32bit)
            for (int y = 0; y < bitmap->Height(); ++y) {
                std::uint8_t* px = bitmap->ScanLine(y);
                for (int x = 0; x < bitmap->Width(); ++x, px += 4)
                    if (px[3] == 0 && px[0] == 255 && px[1] == 255 && px[2] == 255)
                        px[0] = px[1] = px[2] = 0;
            }
        return bitmap;
    }

    // ---- images ----

    TsMaskData NewImage(std::string_view section, std::string_view property) const
    {
        TsMaskData m;
        m.SectionName = section;
        m.PropertyName = property;
        m.Manager = set_.Manager;
        return m;
    }

    void AddMasterImage(TsMaskData m)
    {
        if (MasterRectFits(t_.MasterBitmap.get(), m.ImageRect))
            t_.Images.push_back(std::move(m));
        else
            Note(TSkinFileNote::OutsideMaster, "", m.ImageRect);
    }

    void AddOwnImage(TsMaskData m, std::unique_ptr<TBitmap> bitmap)
    {
        m.ImageRect = {0, 0, bitmap->Width(), bitmap->Height()};
        m.Image = std::move(bitmap);
        t_.Images.push_back(std::move(m));
    }

    void LoadMasterBitmap()
    {
        const std::string name = text_.Read(s_GlobalInfo, s_MasterBitmap, "");
        if (name.empty())
            return;
        NoteAt(s_GlobalInfo, s_MasterBitmap);
        t_.MasterBitmap = LoadBmp(name);
        if (t_.MasterBitmap)
            t_.MasterBitmap->SetPixelFormat(TPixelFormat::pf24bit);
    }

    void PictureForm(std::string_view section, std::string_view key, std::string_view value)
    {
        auto words = SplitWords(value, "!");
        const std::string_view file = Word(words, 1);
        const bool bmp = Contains(file, ".BMP");
        if (!bmp && !Contains(file, ".PNG"))
            return;
        TsMaskData m = NewImage(section, key);
        m.ImageCount = Short(StrictSkinInteger(Word(words, 2)));
        m.MaskType = Short(StrictSkinInteger(Word(words, 3)));
        // Codes above 4 mean the last type; a negative code has no type and
        // is read as a border.
        m.ImgType = static_cast<TacImgType>(std::clamp(StrictSkinInteger(Word(words, 4)), 0, 4));
        if (words.size() >= 5) {
            std::int16_t* widths[] = {&m.WL, &m.WT, &m.WR, &m.WB};
            for (std::size_t i = 5; i <= 8 && i <= words.size(); ++i)
                *widths[i - 5] = Short(StrictSkinInteger(words[i - 1]));
        }
        auto bitmap = bmp ? LoadBmp(file) : LoadPng(file);
        if (!bitmap)
            return;
        if (bmp && m.ImgType != itisaTexture)
            bitmap->SetPixelFormat(TPixelFormat::pf24bit);
        m.StretchMode = 4;
        m.ImageRect = {0, 0, bitmap->Width(), bitmap->Height()};
        if (words.size() < 5)
            DeriveBorders(m);
        AddOwnImage(std::move(m), std::move(bitmap));
    }

    void FixedForm(std::string_view section, std::string_view key, std::string_view v)
    {
        TsMaskData m = NewImage(section, key);
        m.ImageRect = {Field(v, 2, 4), Field(v, 7, 4), Field(v, 12, 4), Field(v, 17, 4)};
        switch (v[0]) {
        case '@':
            m.ImgType = itisaGlyph;
            m.ImageCount = Short(Field(v, 22, 1));
            m.MaskType = Short(Field(v, 24, 1));
            break;
        case '^':
            m.ImgType = itisaBorder;
            m.WL = Short(Field(v, 22, 4));
            m.WT = Short(Field(v, 27, 4));
            m.WR = Short(Field(v, 32, 4));
            m.WB = Short(Field(v, 37, 4));
            m.ImageCount = Short(Field(v, 42, 1));
            m.MaskType = Short(Field(v, 44, 1));
            m.StretchMode = Short(Field(v, 46, 1));
            m.BorderWidth = Short(Field(v, 48, 1));
            if (m.WL + m.WT + m.WR + m.WB == 0) {
                if (m.BorderWidth != 0)
                    m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
                else
                    DeriveBorders(m);
            }
            break;
        default:  // '~'
            m.ImgType = itisaTexture;
            m.ImageCount = 1;
            m.StretchMode = Short(Field(v, 22, 2));
            m.MaskType = v.size() > 24 ? Short(Field(v, 25, 1)) : 0;
            break;
        }
        AddMasterImage(std::move(m));
    }

    void RectangleForm(std::string_view section, std::string_view key, std::string_view value)
    {
        auto words = SplitWords(value, " ()");
        auto rect = SplitWords(Word(words, 2), " ,");
        auto params = SplitWords(Word(words, 3), " ,");
        TsMaskData m = NewImage(UpperAscii(section), UpperAscii(key));
        m.ImgType = itisaBorder;
        m.ImageRect = {StrictSkinInteger(Word(rect, 1)), StrictSkinInteger(Word(rect, 2)),
                       StrictSkinInteger(Word(rect, 3)), StrictSkinInteger(Word(rect, 4))};
        m.ImageCount = std::max<std::int16_t>(Short(StrictSkinInteger(Word(params, 1))), 1);
        m.MaskType = std::max<std::int16_t>(Short(StrictSkinInteger(Word(params, 2))), 0);
        m.BorderWidth = params.size() >= 3 ? std::max<std::int16_t>(Short(StrictSkinInteger(params[2])), 0) : 0;
        m.StretchMode = params.size() >= 4 ? Short(StrictSkinInteger(params[3])) : 1;
        if (m.BorderWidth != 0)
            m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
        else
            DeriveBorders(m);
        AddMasterImage(std::move(m));
    }

    void BitmapFileForm(std::string_view section, std::string_view key, std::string_view value, bool forceFolder)
    {
        const std::string file = UpperAscii(value);
        auto bitmap = LoadBmp(file, forceFolder);
        if (!bitmap)
            return;
        bitmap->SetPixelFormat(TPixelFormat::pf24bit);
        TsMaskData m = NewImage(UpperAscii(section), UpperAscii(key));
        m.ImgType = itisaBorder;
        m.ImageCount = 3;
        m.MaskType = 1;
        m.WL = m.WR = Short(bitmap->Width() / 9);
        m.WT = m.WB = Short(bitmap->Height() / 6);
        AddOwnImage(std::move(m), std::move(bitmap));
    }

    void SkinImage(std::string_view section, std::string_view key, std::string_view value)
    {
        if (value.empty())
            return;
        const char first = value[0];
        if (first == '!')
            PictureForm(section, key, value);
        else if (first == '@' || first == '^' || first == '~')
            FixedForm(section, key, value);
        else if (Contains(value, "#") && value != "#")
            RectangleForm(section, key, value);
        else if (Contains(UpperAscii(value), ".BMP"))
            BitmapFileForm(section, key, value, false);
    }

    void CommonImage(std::string_view section, std::string_view key, std::string_view value)
    {
        if (value.empty())
            return;
        const bool rectangle = Contains(value, "#") && value != "#";
        if (rectangle && t_.MasterBitmap)
            RectangleForm(section, key, value);
        else if (rectangle || Contains(UpperAscii(value), ".BMP"))
            BitmapFileForm(section, key, value, true);
    }

    void LoadImages()
    {
        t_.Images.clear();
        t_.MasterBitmap.reset();
        LoadMasterBitmap();
        for (const TOptionsSection& s : text_.Sections()) {
            const bool global = SameTextAscii(s.Name, s_GlobalInfo);
            for (const TOptionsKey& k : s.Keys)
                if (!(global && SameTextAscii(k.Name, s_MasterBitmap))) {
                    NoteAt(s.Name, k.Name);
                    SkinImage(s.Name, k.Name, k.Value);
                }
        }
        for (const TOptionsSection& s : common_.Sections()) {
            if (SameTextAscii(s.Name, s_GlobalInfo))
                continue;
            for (const TOptionsKey& k : s.Keys) {
                NoteAt(s.Name, k.Name);
                CommonImage(s.Name, k.Name, k.Value);
            }
        }
    }

    // ---- patterns ----

    void SkinPattern(std::string_view section, std::string_view key, std::string_view value, bool common)
    {
        const std::string file = UpperAscii(value);
        if (!Contains(file, ".JPG") && !Contains(file, ".JPEG"))
            return;
        auto picture = LoadJpeg(file, common);
        if (!picture)
            return;
        const std::int64_t pixels = std::int64_t(picture->Width()) * picture->Height();
        if (common || pixels >= kPatternMinPixels) {
            t_.Patterns.push_back({std::move(picture), UpperAscii(section), UpperAscii(key)});
            return;
        }
        // A small picture tiles as a texture image; its rectangle is the
        // whole picture so that painting finds it.
        picture->SetPixelFormat(TPixelFormat::pf24bit);
        TsMaskData m = NewImage(UpperAscii(section), UpperAscii(key));
        m.ImgType = itisaTexture;
        m.ImageCount = 1;
        AddOwnImage(std::move(m), std::move(picture));
    }

    void LoadPatterns()
    {
        t_.Patterns.clear();
        for (const TOptionsSection& s : text_.Sections())
            for (const TOptionsKey& k : s.Keys) {
                NoteAt(s.Name, k.Name);
                SkinPattern(s.Name, k.Name, k.Value, false);
            }
        for (const TOptionsSection& s : common_.Sections())
            for (const TOptionsKey& k : s.Keys) {
                NoteAt(s.Name, k.Name);
                SkinPattern(s.Name, k.Name, k.Value, true);
            }
    }

    // ---- sections ----

    void LoadSections()
    {
        ReadGlobalInfo(text_, t_.SkinData);
        if (set_.VersionCheck)
            set_.VersionCheck(t_.SkinData.Version);
        t_.Sections.clear();
        for (const TOptionsSection& s : text_.Sections())
            t_.Sections.push_back(ReadSection(text_, s.Name));
        FinishSections(t_, common_, set_);
    }

    void NoteAt(std::string_view section, std::string_view key)
    {
        noteSection_ = section;
        noteKey_ = key;
    }

    const TSkinSource& src_;
    const TSkinLoadSettings& set_;
    std::string noteSection_, noteKey_;  // the declaration being read, for FileNotes
    TSkinTables& t_;
    TOptionsText text_;
    TOptionsText common_;
};

}  // namespace

void LoadSkin(const TSkinSource& source, const TSkinLoadSettings& settings, TSkinTables& tables)
{
    try {
        tables.Clear();
        TLoader(source, settings, tables).Run();
    } catch (...) {
        tables.Clear();
        RefreshCommonIndexes(tables);
        throw;
    }
}

std::int16_t DivideOrThrow(int a, int b)
{
    if (b == 0)
        throw Exception("Division by zero");
    return static_cast<std::int16_t>(a / b);
}

void DeriveBorders(TsMaskData& m, int heightDivisor)
{
    m.WL = m.WR = DivideOrThrow(m.ImageRect.Width(), m.ImageCount * 3);
    m.WT = m.WB = DivideOrThrow(m.ImageRect.Height(), heightDivisor);
}

void DeriveBorders(TsMaskData& m) { DeriveBorders(m, (m.MaskType + 1) * 3); }

bool MasterRectFits(const TBitmap* master, const TRect& r)
{
    return master && r.Left >= 0 && r.Top >= 0 && r.Right > r.Left && r.Bottom > r.Top &&
           r.Right <= master->Width() && r.Bottom <= master->Height();
}

void FinishSections(TSkinTables& t, const TOptionsText& common, const TSkinLoadSettings& settings)
{
    for (const TOptionsSection& s : common.Sections())
        if (FindSection(t, s.Name) < 0)
            t.Sections.push_back(MergeCommonSection(t.Sections, s));
    for (TsGeneralData& s : t.Sections) {
        if (s.SectionName == s_GlobalInfo) {
            s.BorderIndex = 0;
            continue;
        }
        const int index = FindSection(t, s.SectionName);
        s.BorderIndex = FindImage(t, index, s.SectionName, s_BordersMask);
        s.ImgTL = FindImage(t, index, s.SectionName, s_ImgTopLeft);
        s.ImgTR = FindImage(t, index, s.SectionName, s_ImgTopRight);
        s.ImgBL = FindImage(t, index, s.SectionName, s_ImgBottomLeft);
        s.ImgBR = FindImage(t, index, s.SectionName, s_ImgBottomRight);
    }
    AdjustSkinColors(t, settings.HueOffset, settings.Saturation);
}

TSkinSource PackedSkinSource(const TacSkinConvertor& reader, std::string skinPath)
{
    TSkinSource source;
    source.OptionsText = std::string_view(reinterpret_cast<const char*>(reader.Options.data()), reader.Options.size());
    source.Packed = true;
    for (const TacImageItem& item : reader.ImageEntries())
        source.Entries.push_back({item.Name, item.Data.data(), item.Data.size()});
    source.SkinPath = std::move(skinPath);
    return source;
}

}  // namespace taramel
