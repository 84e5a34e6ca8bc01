// Every key under which the engine looks up an image, so that tools can tell
// a skin's image declarations from misspelt keys. Keep it in step with the
// lookups: a key the engine reads but that is missing here makes the lint
// call a good skin's image unknown.
#pragma once

namespace taramel {

inline constexpr const char* kSkinImageKeys[] = {
    // any section
    "BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN",
    "IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT",
    "GLOW0",            // glow around a control whose section has GLOW > 0
    "STATUSPANELMASK",  // status bar panels
    "TITLEBAR",         // the form's title, behind the caption buttons
    "GRIPIMAGE",        // size grip (GLOBALINFO, else FORM)
    // "GLOBALINFO": check marks, radio marks, the extended border
    "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED",
    "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED",
    "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED",
    "CHECK", "EXBORDER",
    // "GLOBALINFO": caption buttons, big and small, their glows, title buttons
    "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP",
    "SICONCLOSE", "SICONMAX", "SICONMIN", "SICONNORM", "SICONHELP",
    "BICONCLOSEGLOW0", "BICONMAXGLOW0", "BICONMINGLOW0",
    "SICONCLOSEGLOW0", "SICONMAXGLOW0", "SICONMINGLOW0",
    "TITLEBUTTON",
};

}  // namespace taramel
