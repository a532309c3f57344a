#include "tools/srftool/command_line.h"

#include "tools/srftool/console.h"
#include "tools/srftool/filter_command.h"
#include "tools/srftool/make_command.h"
#include "tools/srftool/samples_command.h"
#include "tools/srftool/thumbnail_command.h"
#include "tools/srftool/vehicle_commands.h"

#include <algorithm>
#include <array>
#include <string>

namespace srftool {
namespace {

// Each command's synopsis (after "srftool ") and description, as `srftool --help` lists them and
// `srftool COMMAND --help` shows one.
struct CommandHelp {
    const char* name;
    const char* synopsis;
    const char* description; // lines, each ending in a newline
    bool writesFile;         // its last operand is an output file
};

constexpr CommandHelp kHelps[] = {
    {"info", "info FILE...",
     "print the load result, the type string, the sizes and\n"
     "whether the checksum holds (\"checksum: ok\" or \"wrong\"),\n"
     "six lines per file, a blank line between files\n",
     false},
    {"png", "png FILE OUT.png", "write the decoded vehicle as one RGBA PNG, top line first\n",
     true},
    {"frames", "frames FILE DIR", "write each frame of the 3D strip as DIR/frame-NN.png\n", false},
    {"filter", "filter OP FILE OUT.bmp",
     "apply a surface filter to the decoded vehicle and\n"
     "write the result as a 32-bit bitmap file; OP is\n"
     "  none            the surface as loaded\n"
     "  resample:H:W    scaled to W x H pixels\n"
     "  blur:A:B        (pixel / A + mean of neighbours / B) / 2\n"
     "  unsharp         sharpened: 2 x pixel - blur:1:1\n"
     "  random:grey     random grey pixels, premultiplied\n"
     "  random:colour   random coloured pixels, premultiplied\n",
     true},
    {"make", "make [--type TEXT] [--2d IMAGE.png] FRAMES OUT.srf",
     "make a vehicle file from pictures: FRAMES is a PNG\n"
     "strip of square frames side by side, or a folder of\n"
     "frame-00.png, frame-01.png ... as frames writes them;\n"
     "the 2D image is IMAGE.png, or frame 0; TEXT is the\n"
     "type string (default \"GARMIN BITMAP 01\", at most 16\n"
     "characters, padded with blanks; other readers refuse\n"
     "any other, and a warning says so). Every pixel becomes\n"
     "the nearest colour and opacity the file can hold.\n"
     "Pictures that would make a vehicle of more than\n"
     "16777216 pixels are refused before they are decoded.\n",
     true},
    {"thumbnail", "thumbnail [-s SIZE] FILE OUT.png",
     "write frame 0 of the 3D strip scaled to fit SIZE x SIZE\n"
     "(default 128), aspect and transparency kept; nothing\n"
     "for a vehicle that loads only partly\n",
     true},
    {"samples", "samples DIR", "write the sample vehicles into DIR\n", false},
};

constexpr std::size_t kDescriptionColumn = 31;

// "  srftool SYNOPSIS" with the description beside it from kDescriptionColumn on, or below it
// when the synopsis leaves no room.
std::string helpEntry(const char* synopsis, const std::string& description) {
    std::string text = std::string("  srftool ") + synopsis;
    const std::string indent(kDescriptionColumn, ' ');
    text += text.size() < kDescriptionColumn - 1
                ? std::string(kDescriptionColumn - text.size(), ' ')
                : "\n" + indent;
    for (std::size_t at = 0; at < description.size();) {
        const std::size_t end = description.find('\n', at) + 1;
        if (at > 0)
            text += indent;
        text += description.substr(at, end - at);
        at = end;
    }
    return text;
}

constexpr const char* outputFiles =
    "An output file (OUT.png, OUT.bmp, OUT.srf) may be - for standard output. A pipe, a\n"
    "character device or a socket named as one is written as it stands, a link is followed\n"
    "to the file it names; a folder, a block device and a link that leads nowhere are refused.\n";

std::string usage() {
    std::string text = "Usage: srftool COMMAND ARGUMENTS\n"
                       "Inspects the navigator's vehicle files (.srf), filters their pictures, "
                       "makes vehicles\n"
                       "from PNG pictures and writes the sample vehicles.\n\n";
    for (const CommandHelp& help : kHelps)
        text += helpEntry(help.synopsis, help.description);
    text += helpEntry("COMMAND --help", "show that command's usage\n");
    text += helpEntry("--help", "show this help\n");
    text += helpEntry("--version", "show the version\n");
    text += std::string("\n") + outputFiles +
            "\nExit status: 0 when the vehicle loaded, 1 when its load gave 0 (or the filter gave\n"
            "no surface), 2 for bad arguments, a filter that refuses its input (a divisor of 0,\n"
            "a source under 2 x 2 pixels to resample) or a path that cannot be read or written.\n";
    return text;
}

std::string commandUsage(const CommandHelp& help) {
    std::string text = std::string("Usage: srftool ") + help.synopsis + "\n";
    const std::string description = help.description;
    for (std::size_t at = 0; at < description.size();) {
        const std::size_t end = description.find('\n', at) + 1;
        text += "  " + description.substr(at, end - at);
        at = end;
    }
    if (help.writesFile)
        text += std::string("\n") + outputFiles;
    return text;
}

struct Command {
    const char* name;
    const char* operands; // as shown in the usage, one word per operand
    std::size_t count;
};

constexpr std::array<Command, 4> commands{{{"png", "FILE OUT.png", 2},
                                           {"frames", "FILE DIR", 2},
                                           {"filter", "OP FILE OUT.bmp", 3},
                                           {"samples", "DIR", 1}}};

} // namespace

int runSrftool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const Console console{out, err};
    if (arguments.empty()) {
        console.complain(
            "missing command; usage: srftool info|png|frames|filter|make|thumbnail|samples ... "
            "(srftool --help explains)");
        return exitFailure;
    }
    const std::string& name = arguments.front();
    if (name == "--help" || name == "-h") {
        out << usage();
        return exitLoaded;
    }
    for (const CommandHelp& help : kHelps) {
        if (name == help.name &&
            std::find(arguments.begin() + 1, arguments.end(), "--help") != arguments.end()) {
            out << commandUsage(help);
            return exitLoaded;
        }
    }
    if (name == "make")
        return makeCommand({arguments.begin() + 1, arguments.end()}, console);
    if (name == "info") {
        if (arguments.size() == 1) {
            console.complain("missing arguments; usage: srftool info FILE...");
            return exitFailure;
        }
        return infoCommand({arguments.begin() + 1, arguments.end()}, console);
    }
    if (name == "--version") {
        out << "srftool " MOTORHALL_VERSION "\n";
        return exitLoaded;
    }
    if (name == "thumbnail")
        return thumbnailCommand({arguments.begin() + 1, arguments.end()}, console);
    for (const Command& command : commands) {
        if (name != command.name)
            continue;
        const std::size_t given = arguments.size() - 1;
        if (given != command.count) {
            console.complain(std::string(given < command.count ? "missing" : "too many") +
                             " arguments; usage: srftool " + command.name + ' ' + command.operands);
            return exitFailure;
        }
        if (name == "png")
            return pngCommand(arguments[1], arguments[2], console);
        if (name == "frames")
            return framesCommand(arguments[1], arguments[2], console);
        if (name == "filter")
            return filterCommand(arguments[1], arguments[2], arguments[3], console);
        return samplesCommand(arguments[1], console);
    }
    console.complain("unknown command '" + name + "' (srftool --help lists the commands)");
    return exitFailure;
}

} // namespace srftool
