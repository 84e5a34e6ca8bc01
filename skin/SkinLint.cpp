#include "skin/SkinLint.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <set>

#include "skin/OptionsText.h"
#include "skin/SkinImageKeys.h"
#include "skin/TextContrast.h"
#include "skin/SkinKeys.h"

namespace taramel {

namespace {

std::set<std::string> KnownKeys(bool global)
{
    std::set<std::string> keys{s_ParentClass};
#define TARAMEL_LINT_KEY(field, key, kind, def) keys.insert(key);
    TARAMEL_SECTION_KEYS(TARAMEL_LINT_KEY)
    if (global) {
        TARAMEL_GLOBAL_KEYS(TARAMEL_LINT_KEY)
    }
#undef TARAMEL_LINT_KEY
    for (const char* key : kSkinImageKeys)
        keys.insert(key);
    return keys;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string RectText(const TRect& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%d, %d, %d, %d)", r.Left, r.Top, r.Right, r.Bottom);
    return text;
}

class TLint {
public:
    TLint(const TSkinSource& source, const std::vector<std::string>& files) : source_(source), files_(files)
    {
        text_.Parse(source.OptionsText);
    }

    std::vector<TLintFinding> Run()
    {
        Load();
        Sections();
        Images();
        Contrast();
        UnusedFiles();
        return std::move(findings_);
    }

private:
    void Add(TLintFinding::TLevel level, std::string section, std::string key, std::string text)
    {
        findings_.push_back({level, std::move(section), std::move(key), std::move(text)});
    }

    void Load()
    {
        TSkinLoadSettings settings;
        settings.FileNotes = [this](const TSkinFileNote& note) { notes_.push_back(note); };
        try {
            LoadSkin(source_, settings, tables_);
        } catch (const std::exception& e) {
            Add(TLintFinding::Error, "", "", std::string("the skin does not load: ") + e.what());
        }
    }

    void Sections()
    {
        for (const TOptionsSection& s : text_.Sections()) {
            Parent(s);
            const bool global = SameTextAscii(s.Name, s_GlobalInfo);
            const std::set<std::string>& known = global ? globalKeys_ : sectionKeys_;
            for (const TOptionsKey& k : s.Keys)
                if (!known.count(UpperAscii(k.Name)))
                    Add(TLintFinding::Warning, s.Name, k.Name, "the engine does not read this key (a typo?)");
        }
    }

    // The parent must exist and be written alike: values are inherited
    // whatever the case, images only through a name of the same case.
    void Parent(const TOptionsSection& s)
    {
        const std::string* parent = s.Find(s_ParentClass);
        if (!parent || parent->empty() || *parent == "?" || SameTextAscii(*parent, s.Name))
            return;
        const TOptionsSection* found = text_.FindSection(*parent);
        if (!found) {
            Add(TLintFinding::Error, s.Name, s_ParentClass, "the parent section " + Quoted(*parent) + " does not exist");
            return;
        }
        if (found->Name != *parent)
            Add(TLintFinding::Warning, s.Name, s_ParentClass,
                "the parent is written " + Quoted(*parent) + " but its section " + Quoted(found->Name) +
                    ": images are not inherited through a name of another case");
        std::set<std::string> seen{UpperAscii(s.Name)};
        for (const TOptionsSection* at = found; at;) {
            if (!seen.insert(UpperAscii(at->Name)).second) {
                Add(TLintFinding::Error, s.Name, s_ParentClass, "the chain of parent sections runs in a circle");
                return;
            }
            const std::string* next = at->Find(s_ParentClass);
            if (!next || next->empty() || *next == "?" || SameTextAscii(*next, at->Name))
                return;
            at = text_.FindSection(*next);
        }
    }

    void Images()
    {
        for (const TSkinFileNote& note : notes_) {
            switch (note.Kind) {
            case TSkinFileNote::Read:
                used_.insert(UpperAscii(note.File));
                break;
            case TSkinFileNote::Missing:
                Add(TLintFinding::Error, note.Section, note.Key, "the file " + Quoted(note.File) + " is missing");
                break;
            case TSkinFileNote::Unreadable:
                used_.insert(UpperAscii(note.File));
                Add(TLintFinding::Error, note.Section, note.Key,
                    "the file " + Quoted(note.File) + " holds no picture the engine can read");
                break;
            case TSkinFileNote::OutsideMaster:
                Add(TLintFinding::Error, note.Section, note.Key,
                    tables_.MasterBitmap ? "the rectangle " + RectText(note.Rect) + " lies outside the master bitmap (" +
                                               std::to_string(tables_.MasterBitmap->Width()) + " x " +
                                               std::to_string(tables_.MasterBitmap->Height()) + ")"
                                         : "the image lies in the master bitmap, but the skin has none");
                break;
            }
        }
        for (const TsMaskData& m : tables_.Images) {
            if (m.ImageCount <= 0) {
                Add(TLintFinding::Error, m.SectionName, m.PropertyName, "the image count is 0: nothing is drawn");
                continue;
            }
            const int width = m.ImageRect.Width();
            if (width % m.ImageCount != 0)
                Add(TLintFinding::Error, m.SectionName, m.PropertyName,
                    "the width " + std::to_string(width) + " does not divide into " + std::to_string(m.ImageCount) +
                        " state images");
        }
    }

    void Contrast()
    {
        for (const TTextContrast& c : SectionTextContrasts(tables_)) {
            if (c.Ratio >= kMinTextContrast)
                continue;
            char text[160];
            std::snprintf(text, sizeof text, "%s text %d on %d has a contrast of %.2f:1, below %.1f:1",
                          c.Hot ? "hot" : "normal", c.Text, c.Surface, c.Ratio, kMinTextContrast);
            Add(TLintFinding::Error, c.Section, c.Hot ? "HOTFONTCOLOR" : "FONTCOLOR", text);
        }
    }

    void UnusedFiles()
    {
        for (const std::string& file : files_)
            if (!SameTextAscii(file, "Options.dat") && !used_.count(UpperAscii(file)))
                Add(TLintFinding::Warning, "", "", "the file " + Quoted(file) + " is not used by the skin");
    }

    const TSkinSource& source_;
    const std::vector<std::string>& files_;
    TOptionsText text_;
    TSkinTables tables_;
    std::vector<TSkinFileNote> notes_;
    std::set<std::string> used_;
    std::vector<TLintFinding> findings_;
    const std::set<std::string> sectionKeys_ = KnownKeys(false);
    const std::set<std::string> globalKeys_ = KnownKeys(true);
};

}  // namespace

std::vector<TLintFinding> LintSkin(const TSkinSource& source, const std::vector<std::string>& files)
{
    return TLint(source, files).Run();
}

}  // namespace taramel
