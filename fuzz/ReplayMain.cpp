// Feeds files to a fuzz target's entry point, so the main build replays every
// target's seeds and past findings without libFuzzer.
//   <Target>Replay PATH...   each PATH a file, or a folder whose files are all fed
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" [[gnu::weak]] int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// The files a path names, in a fixed order; empty when it names nothing.
std::vector<fs::path> InputsOf(const fs::path& path)
{
    std::vector<fs::path> inputs;
    std::error_code error;
    if (fs::is_directory(path, error)) {
        for (const auto& entry : fs::recursive_directory_iterator(path, error))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
    } else if (fs::is_regular_file(path, error)) {
        inputs.push_back(path);
    }
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...\n", argv[0]);
        return 2;
    }
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> inputs = InputsOf(argv[i]);
        // A seed that has gone missing would quietly shrink the replay.
        if (inputs.empty()) {
            std::fprintf(stderr, "replay: %s holds no input\n", argv[i]);
            return 1;
        }
        for (const fs::path& input : inputs) {
            std::ifstream file(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            if (!file.good() && !file.eof()) {
                std::fprintf(stderr, "replay: cannot read %s\n", input.c_str());
                return 1;
            }
            // Named before it runs, so a crash shows which input caused it.
            std::printf("replay: %s (%zu bytes)\n", input.c_str(), bytes.size());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::printf("replay: %zu inputs ran clean\n", count);
    return 0;
}
