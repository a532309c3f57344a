#include "tools/srftool/command_line.h"

#include "tools/srftool/console.h"
#include "tools/srftool/samples_command.h"
#include "tools/srftool/thumbnail_command.h"
#include "tools/srftool/vehicle_commands.h"

#include <array>

namespace srftool {
namespace {

constexpr const char* usage = R"(Usage: srftool COMMAND ARGUMENTS
Inspects the navigator's vehicle files (.srf) and writes the sample vehicles.

  srftool info FILE            print the load result, the type string and the sizes
  srftool png FILE OUT.png     write the decoded vehicle as one RGBA PNG, top line first
  srftool frames FILE DIR      write each frame of the 3D strip as DIR/frame-NN.png
  srftool thumbnail [-s SIZE] FILE OUT.png
                               write frame 0 of the 3D strip scaled to fit SIZE x SIZE
                               (default 128), aspect and transparency kept
  srftool samples DIR          write the sample vehicles into DIR
  srftool --help               show this help
  srftool --version            show the version

Exit status: 0 when the vehicle loaded, 1 when its load gave 0, 2 for bad arguments
or a path that cannot be read or written.
)";

struct Command {
    const char* name;
    const char* operands; // as shown in the usage, one word per operand
    std::size_t count;
};

constexpr std::array<Command, 4> commands{{{"info", "FILE", 1},
                                           {"png", "FILE OUT.png", 2},
                                           {"frames", "FILE DIR", 2},
                                           {"samples", "DIR", 1}}};

} // namespace

int runSrftool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const Console console{out, err};
    if (arguments.empty()) {
        console.complain("missing command; usage: srftool info|png|frames|samples ... "
                         "(srftool --help explains)");
        return exitFailure;
    }
    const std::string& name = arguments.front();
    if (name == "--help" || name == "-h") {
        out << usage;
        return exitLoaded;
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
        if (name == "info")
            return infoCommand(arguments[1], console);
        if (name == "png")
            return pngCommand(arguments[1], arguments[2], console);
        if (name == "frames")
            return framesCommand(arguments[1], arguments[2], console);
        return samplesCommand(arguments[1], console);
    }
    console.complain("unknown command '" + name + "' (srftool --help lists the commands)");
    return exitFailure;
}

} // namespace srftool
