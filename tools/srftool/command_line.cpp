#include "tools/srftool/command_line.h"

#include "tools/srftool/console.h"
#include "tools/srftool/filter_command.h"
#include "tools/srftool/make_command.h"
#include "tools/srftool/samples_command.h"
#include "tools/srftool/thumbnail_command.h"
#include "tools/srftool/vehicle_commands.h"

#include <array>

namespace srftool {
namespace {

constexpr const char* usage = R"(Usage: srftool COMMAND ARGUMENTS
Inspects the navigator's vehicle files (.srf), filters their pictures, makes vehicles
from PNG pictures and writes the sample vehicles.

  srftool info FILE...         print the load result, the type string, the sizes and
                               whether the checksum holds ("checksum: ok" or "wrong"),
                               six lines per file, a blank line between files
  srftool png FILE OUT.png     write the decoded vehicle as one RGBA PNG, top line first
  srftool frames FILE DIR      write each frame of the 3D strip as DIR/frame-NN.png
  srftool filter OP FILE OUT.bmp
                               apply a surface filter to the decoded vehicle and
                               write the result as a 32-bit bitmap file; OP is
                                 none            the surface as loaded
                                 resample:H:W    scaled to W x H pixels
                                 blur:A:B        (pixel / A + mean of neighbours / B) / 2
                                 unsharp         sharpened: 2 x pixel - blur:1:1
                                 random:grey     random grey pixels, premultiplied
                                 random:colour   random coloured pixels, premultiplied
  srftool make [--type TEXT] [--2d IMAGE.png] FRAMES OUT.srf
                               make a vehicle file from pictures: FRAMES is a PNG
                               strip of square frames side by side, or a folder of
                               frame-00.png, frame-01.png ... as frames writes them;
                               the 2D image is IMAGE.png, or frame 0; TEXT is the
                               type string (default "GARMIN BITMAP 01", at most 16
                               characters, padded with blanks). Every pixel becomes
                               the nearest colour and opacity the file can hold.
  srftool thumbnail [-s SIZE] FILE OUT.png
                               write frame 0 of the 3D strip scaled to fit SIZE x SIZE
                               (default 128), aspect and transparency kept
  srftool samples DIR          write the sample vehicles into DIR
  srftool --help               show this help
  srftool --version            show the version

Exit status: 0 when the vehicle loaded, 1 when its load gave 0 (or the filter gave
no surface), 2 for bad arguments, a filter that refuses its input (a divisor of 0,
a source under 2 x 2 pixels to resample) or a path that cannot be read or written.
)";

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
        console.complain("missing command; usage: srftool info|png|frames|filter|make|samples ... "
                         "(srftool --help explains)");
        return exitFailure;
    }
    const std::string& name = arguments.front();
    if (name == "--help" || name == "-h") {
        out << usage;
        return exitLoaded;
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
