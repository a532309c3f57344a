#include "tools/srftool/samples_command.h"

#include "tools/srftool/output_files.h"
#include "tools/srftool/sample_vehicles.h"

#include <filesystem>

namespace srftool {

int samplesCommand(const std::string& folder, const Console& console) {
    if (const Failure failure = ensureFolder(folder)) {
        console.complain("cannot write to " + folder + ": " + *failure);
        return exitFailure;
    }
    for (const SampleVehicle& sample : buildSampleVehicles()) {
        const std::string path = (std::filesystem::path(folder) / sample.fileName).string();
        if (const Failure failure = saveBytes(sample.bytes, path)) {
            console.complain("cannot write " + path + ": " + *failure);
            return exitFailure;
        }
        console.out << path << '\n';
    }
    return exitLoaded;
}

} // namespace srftool
