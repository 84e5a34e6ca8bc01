// The portable half of the skin manager: its property types, finding and
// reading the named skin into the tables (colour adjustment included), the
// version text, the common-sections lines and the form shadow pictures. The
// component (SkinManager_win.h) adds announcing, freezing and the hook.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "render/Bitmap.h"
#include "skin/SkinFiles.h"
#include "skin/SkinTables.h"
#include "skin/StoredSkins.h"

namespace taramel {

class TsSkinManager;

enum TacSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
constexpr unsigned kAllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

enum TacBtnEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };

struct TacFormAnimation {
    bool Active = true;
    int Time = 0;  // milliseconds
};

struct TacAnimEffects {
    struct {
        unsigned Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
    } Buttons;
    TacFormAnimation DialogShow;
    TacFormAnimation FormShow;
    TacFormAnimation PageChange;
    TacFormAnimation SkinChanging{true, 100};
};

struct TacMenuSupport {
    std::string IcoLineSkin;  // "ICOLINE" once loaded when left empty
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
    std::string ExtraLineFontName = "Tahoma";
    int ExtraLineFontHeight = -11;
};

// The class names, one text per kind of control, that the window skinning
// wraps inside skinned forms.
enum TacThirdPartyKind {
    tpEdits, tpButtons, tpBitBtns, tpCheckBoxes, tpComboBoxes, tpGrids, tpGroupBoxes, tpListViews,
    tpPanels, tpTreeViews, tpWWEdits, tpGridEh, tpVirtualTrees, tpPageControl, tpTabControl,
    tpToolBar, tpStatusBar, tpSpeedButton, tpThirdPartyCount
};
struct ThirdPartyList {
    // Line-separated class names; "TButton" for buttons, a single blank for the rest.
    std::array<std::string, tpThirdPartyCount> Texts;
    ThirdPartyList();
    static std::string DefaultText(int kind);
};

// The four margins of the form shadow pictures.
struct TacShadowMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TacShadowMargins&) const = default;
};

// Shows the message about a skin newer than the engine supports. By default a
// message box with OK and the application title; tests replace it.
std::function<void(const std::string& text)>& SkinVersionMessage();
inline constexpr const char* kSkinVersionText =
    "This version of the skin is not fully supported by this release of the skinning engine.\r\n"
    "Components must be updated up to latest version for using this skin.";
// Skins whose VERSION is above this get the message; loading goes on.
inline constexpr double kMaxSupportedSkinVersion = 255;

// What names the skin to read and how to read it.
struct TSkinRequest {
    std::string Directory;
    std::string Name;
    const TsStoredSkins* Stored = nullptr;
    std::vector<std::string> CommonSections;
    int HueOffset = 0;
    int Saturation = 0;
    TsSkinManager* Manager = nullptr;  // stored in the images it reads
    std::function<void(double version)> VersionCheck;
};

// Finds the skin (a folder, a packed file or a stored skin) and reads it into
// the tables, whose SkinPath becomes the skin's. False when there is none:
// the tables are then empty with their common indexes refreshed.
bool LoadSkinTables(const TSkinRequest& request, TSkinFileSystem& files, TSkinTables& tables);

// The skin's version as the manager reports it ("6.5": shortest form, a
// point whatever the locale).
std::string SkinVersionInfo(const TSkinTables& tables);

// The common-sections lines as stored: blanks removed, except from comment
// lines (starting with ";"), which stay as written.
std::vector<std::string> PackCommonSectionLines(const std::vector<std::string>& lines);

// The lines joined, each ended by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The margins and pictures of the form shadows.
struct TShadowPictures {
    TacShadowMargins Margins;
    std::unique_ptr<TBitmap> Active;
    std::unique_ptr<TBitmap> Inactive;
};

// The shadows of a skin with extended borders: the skin's EXBORDER image
// (its first state active, its second inactive) with margins from its border
// widths and the form offset, or, without one, the built-in pictures with
// their margins, one pixel more each while desktop composition is on (asked
// only then). White pixels with alpha 0 are cleared either way.
TShadowPictures MakeShadowPictures(const TSkinTables& tables, const std::function<bool()>& compositionEnabled,
                                   const TBitmap& builtInActive, const TBitmap& builtInInactive);

}  // namespace taramel
