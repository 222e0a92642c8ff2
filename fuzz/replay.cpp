// Runs a fuzz target once over every file of the folders (or files) it is given, without
// libFuzzer and with any compiler: each corpus file, and each input a fuzzer once broke the
// program with, stays a regression test of the ordinary build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char **argv)
{
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (fs::is_directory(argv[i], error)) {
            for (const fs::directory_entry &entry : fs::directory_iterator(argv[i], error))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else if (fs::is_regular_file(argv[i], error)) {
            files.emplace_back(argv[i]);
        }
        if (error) {
            std::fprintf(stderr, "cannot read %s: %s\n", argv[i], error.message().c_str());
            return 2;
        }
    }
    // An empty or mistyped corpus folder would pass while replaying nothing.
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s corpus-folder-or-file... (no file found)\n", argv[0]);
        return 2;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 2;
        }
        // Named first: a broken property aborts, and the file is the one printed last.
        std::printf("%s (%zu bytes)\n", file.c_str(), bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu files\n", files.size());
    return 0;
}
