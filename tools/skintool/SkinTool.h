// The skin tool's commands. Each takes its arguments (after the command's
// name) and writes its results to `out`; errors are taramel::Exception.
// A new command is one function and one line in SkinToolCommands().
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace taramel::skintool {

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;    // arguments, as shown in the help text
    const char* summary;
    int minArguments;
    int maxArguments;
    void (*run)(const Arguments& arguments, std::ostream& out);
};

const std::vector<Command>& SkinToolCommands();

// Runs one command line (without the program's name); returns the exit code
// and writes errors and usage to `err`.
int RunSkinTool(const Arguments& commandLine, std::ostream& out, std::ostream& err);

// pack FOLDER FILE.asz: every file of the folder, "Options.dat" first, the
// rest in name order. Subfolders and empty files cannot be packed.
void PackCommand(const Arguments& arguments, std::ostream& out);
// unpack FILE.asz FOLDER: writes every entry under its stored name.
void UnpackCommand(const Arguments& arguments, std::ostream& out);
// list FOLDER [0|1|2]: the skins of a folder, one per line (2, both kinds, by default).
void ListCommand(const Arguments& arguments, std::ostream& out);
// dump SKIN: a packed file (.asz) or a skin folder, read as the engine reads it.
void DumpCommand(const Arguments& arguments, std::ostream& out);
// lint SKIN: findings one per line ("error: " or "warning: "), then a count;
// a skin with errors fails (exit status 1).
void LintCommand(const Arguments& arguments, std::ostream& out);
// paint SKIN SECTION WIDTH HEIGHT STATE OUT.png [--parent COLOR|SECTION]
// [--hue N] [--saturation N]: one section as the engine paints it.
void PaintCommand(const Arguments& arguments, std::ostream& out);
// preview SKIN OUT.png [--hue N] [--saturation N]: the whole skin on one sheet.
void PreviewCommand(const Arguments& arguments, std::ostream& out);

}  // namespace taramel::skintool
