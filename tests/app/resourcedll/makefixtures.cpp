// Writes the fixture bitmaps and the resource scripts that windres turns into DLLs.
// Usage: makefixtures OUTPUT_FOLDER

#include "tests/app/resourcedll/fixturebitmaps.h"
#include "tests/app/resourcedll/hostiledlls.h"

#include <fstream>
#include <iostream>

namespace {

bool writeFile(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::cerr << "makefixtures: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: makefixtures OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    for (const fixtures::Bitmap& b : fixtures::all()) {
        const std::vector<std::uint8_t> bytes = fixtures::bmpFile(b);
        if (!writeFile(folder + fixtures::fileName(b), bytes.data(), bytes.size()))
            return 1;
    }
    const std::string full = fixtures::fullScript();
    const std::string partial = fixtures::partialScript();
    const std::string seed = fixtures::seedScript();
    if (!writeFile(folder + "full.rc", full.data(), full.size()) ||
        !writeFile(folder + "partial.rc", partial.data(), partial.size()) ||
        !writeFile(folder + "seed.rc", seed.data(), seed.size()))
        return 1;
    const std::pair<const char*, std::vector<std::uint8_t>> dlls[] = {
        {"minimal.dll", hostiledlls::minimal(2000)},
        // The counters of korva_2.dll, each 4096 x 4096: far beyond any counter.
        {"hostile-bomb.dll", hostiledlls::rleBomb(2000, 16, 4096, 4096)},
        // Pictures the game never asks for, each as large as a picture may be.
        {"hostile-large.dll", hostiledlls::rleBomb(1, 16, 3024, 5440)},
        {"hostile-sections.dll", hostiledlls::manySections(2000)},
    };
    for (const auto& [name, bytes] : dlls)
        if (!writeFile(folder + name, bytes.data(), bytes.size()))
            return 1;
    return 0;
}
