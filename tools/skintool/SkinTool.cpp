#include "tools/skintool/SkinTool.h"

#include <exception>

#include "base/Exception.h"

namespace taramel::skintool {

const std::vector<Command>& SkinToolCommands()
{
    static const std::vector<Command> commands = {
        {"pack", "FOLDER FILE.asz", "pack a skin folder into one file", 2, 2, PackCommand},
        {"unpack", "FILE.asz FOLDER", "write the files of a packed skin into a folder", 2, 2, UnpackCommand},
        {"list", "FOLDER [0|1|2]", "list the skins of a folder: 0 folders, 1 packed, 2 both", 1, 2, ListCommand},
        {"dump", "SKIN", "show how the engine reads a packed skin file or a skin folder", 1, 1, DumpCommand},
        {"lint", "SKIN", "check a skin: missing parents and files, bad images, unknown keys, weak text contrast", 1, 1,
         LintCommand},
        {"paint", "SKIN SECTION WIDTH HEIGHT STATE OUT.png [--parent COLOR|SECTION] [--hue N] [--saturation N]",
         "paint one section at a size and state (0 normal, 1 hot, 2 pressed, 3 disabled)", 6, 12, PaintCommand},
        {"preview", "SKIN OUT.png [--hue N] [--saturation N]",
         "one labelled sheet of every section in every state and the skin's marks and caption buttons", 2, 6,
         PreviewCommand},
    };
    return commands;
}

namespace {

void Usage(std::ostream& err)
{
    err << "usage: skintool COMMAND ARGUMENTS\n";
    for (const Command& command : SkinToolCommands())
        err << "  skintool " << command.name << ' ' << command.usage << "\n      " << command.summary << '\n';
}

}  // namespace

int RunSkinTool(const Arguments& commandLine, std::ostream& out, std::ostream& err)
{
    if (commandLine.empty() || commandLine[0] == "-h" || commandLine[0] == "--help" || commandLine[0] == "help") {
        Usage(err);
        return commandLine.empty() ? 2 : 0;
    }
    for (const Command& command : SkinToolCommands()) {
        if (commandLine[0] != command.name)
            continue;
        const Arguments arguments(commandLine.begin() + 1, commandLine.end());
        const int count = static_cast<int>(arguments.size());
        if (count < command.minArguments || count > command.maxArguments) {
            err << "usage: skintool " << command.name << ' ' << command.usage << '\n';
            return 2;
        }
        try {
            command.run(arguments, out);
            return 0;
        } catch (const Exception& e) {
            err << "skintool " << command.name << ": " << e.what() << '\n';
        } catch (const std::exception& e) {
            err << "skintool " << command.name << ": " << e.what() << '\n';
        }
        return 1;
    }
    err << "skintool: unknown command \"" << commandLine[0] << "\"\n";
    Usage(err);
    return 2;
}

}  // namespace taramel::skintool
