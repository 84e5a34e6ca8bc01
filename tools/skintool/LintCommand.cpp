// lint SKIN: what in a skin the engine would skip, misread or show badly.
#include <algorithm>

#include "base/Exception.h"
#include "skin/SkinLint.h"
#include "tools/skintool/OpenSkin.h"
#include "tools/skintool/SkinTool.h"

namespace taramel::skintool {

void LintCommand(const Arguments& arguments, std::ostream& out)
{
    const auto skin = OpenSkin(arguments[0]);
    const std::vector<TLintFinding> findings = LintSkin(skin->source, skin->fileNames);
    for (const TLintFinding& f : findings) {
        out << (f.Level == TLintFinding::Error ? "error: " : "warning: ");
        if (!f.Section.empty())
            out << '[' << f.Section << "] ";
        if (!f.Key.empty())
            out << f.Key << ": ";
        out << f.Text << '\n';
    }
    const auto errors = std::count_if(findings.begin(), findings.end(),
                                      [](const TLintFinding& f) { return f.Level == TLintFinding::Error; });
    const auto warnings = static_cast<std::ptrdiff_t>(findings.size()) - errors;
    out << arguments[0] << ": " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning\n" : " warnings\n");
    if (errors > 0)
        throw Exception("the skin has " + std::to_string(errors) + (errors == 1 ? " error" : " errors"));
}

}  // namespace taramel::skintool
