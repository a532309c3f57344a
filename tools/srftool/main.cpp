#include "tools/srftool/command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = srftool::runSrftool(arguments, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "srftool: cannot write to standard output\n";
        return 2;
    }
    return status;
}
