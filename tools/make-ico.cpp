// make-ico OUT.ico: writes the program's icon at the sizes the shell asks
// for (small and large icons at 100 to 200 %, the tile size) for the exe's
// icon resource and the installer. Built with the host compiler even in the
// cross build, from the core's own drawing.
#include <cstdio>
#include <vector>

#include "app/icon_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-ico OUT.ico\n");
        return 2;
    }
    constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 128};
    const std::vector<uint8_t> bytes = lg::AppIconFile(kSizes);
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f || bytes.empty()) {
        std::fprintf(stderr, "make-ico: cannot write %s\n", argv[1]);
        if (f) std::fclose(f);
        return 1;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok ? 0 : 1;
}
