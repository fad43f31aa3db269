#include <fstream>
#include <iostream>
#include <string_view>

#include "headless/replay.h"

namespace {
constexpr const char* kUsage = "usage: lumora-replay FOLDER [SCRIPT]\n";
}

int main(int argc, char** argv) {
    // Asked for help, not a folder called --help for the save to land in.
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::cerr << kUsage;
        return 2;
    }
    if (argc == 3) {
        std::ifstream script(argv[2]);
        if (!script) {
            std::cerr << "cannot read script " << argv[2] << "\n";
            return 2;
        }
        return headless::run(argv[1], script, std::cout, std::cerr);
    }
    return headless::run(argv[1], std::cin, std::cout, std::cerr);
}
