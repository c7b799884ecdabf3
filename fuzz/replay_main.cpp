// Runs a fuzz target once on every file given on the command line, or found in a folder given on
// the command line (not recursing), in name order. Builds without libFuzzer link this, so that
// the corpus kept in the repository runs as a regression test in every build: a failing check
// aborts the program with the name of the input on stderr.

#include "fuzz_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> read_all(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg = argv[i];
        std::error_code ec;
        if (fs::is_directory(arg, ec)) {
            std::vector<fs::path> files;
            for (const auto& e : fs::directory_iterator(arg, ec))
                if (e.is_regular_file())
                    files.push_back(e.path());
            if (ec) {
                std::fprintf(stderr, "cannot list %s: %s\n", arg.string().c_str(),
                             ec.message().c_str());
                return 1;
            }
            if (files.empty()) {
                std::fprintf(stderr, "%s holds no inputs\n", arg.string().c_str());
                return 1;
            }
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else if (fs::is_regular_file(arg, ec)) {
            inputs.push_back(arg);
        } else {
            std::fprintf(stderr, "%s: no such file or folder\n", arg.string().c_str());
            return 1;
        }
    }
    for (const auto& p : inputs) {
        // Named first, so that an abort names the input that caused it.
        std::fprintf(stderr, "running %s\n", p.string().c_str());
        const auto bytes = read_all(p);
        // A copy of exactly the input's size, so that a read past its end is a read past a
        // buffer (and caught when the build has AddressSanitizer).
        const auto copy = std::make_unique<std::uint8_t[]>(std::max<std::size_t>(bytes.size(), 1));
        std::copy(bytes.begin(), bytes.end(), copy.get());
        LLVMFuzzerTestOneInput(copy.get(), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs passed\n", inputs.size());
    return 0;
}
