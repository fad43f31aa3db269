#include <fstream>
#include <iostream>

#include "headless/replay.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: lumora-replay FOLDER [SCRIPT]\n";
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
