// The fuzz targets without libFuzzer, for the test build: runs a target on every file of the
// folders and files given (its seeds and the kept regression cases), then for the given seconds
// on those inputs changed at random (a fixed random sequence, so that a failure repeats). A crash,
// a sanitizer report or a failed check ends the run as it would under the fuzzer.
//
// Usage: replay_TARGET [--seconds N] PATH...
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Input = std::vector<uint8_t>;

Input readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Input(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void collect(const std::filesystem::path& path, std::vector<std::filesystem::path>& files) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
    } else if (std::filesystem::is_regular_file(path, error)) {
        files.push_back(path);
    }
}

void run(const Input& input) {
    LLVMFuzzerTestOneInput(input.empty() ? nullptr : input.data(), input.size());
}

// One small change: a byte changed, inserted or removed, or a piece copied from another input.
Input mutate(const Input& from, const std::vector<Input>& all, std::mt19937& random) {
    Input out = from;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
        const size_t at = out.empty() ? 0 : random() % out.size();
        switch (random() % 4) {
            case 0:
                if (!out.empty()) out[at] = static_cast<uint8_t>(random());
                break;
            case 1:
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(at),
                           static_cast<uint8_t>(random()));
                break;
            case 2:
                if (!out.empty()) out.erase(out.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            default: {
                const Input& other = all[random() % all.size()];
                if (other.empty()) break;
                const size_t from = random() % other.size();
                const size_t length = 1 + random() % std::min<size_t>(16, other.size() - from);
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(at),
                           other.begin() + static_cast<std::ptrdiff_t>(from),
                           other.begin() + static_cast<std::ptrdiff_t>(from + length));
                break;
            }
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 0;
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else {
            collect(arg, files);
        }
    }
    std::vector<Input> inputs;
    for (const auto& file : files) {
        inputs.push_back(readFile(file));
        std::fprintf(stderr, "input %s\n", file.string().c_str());
        run(inputs.back());
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no input found\n");
        return 1;
    }
    std::mt19937 random(1);
    size_t mutated = 0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    // Each changed input is written out before it runs: after a failure it is there to repeat.
    const char* kLastInput = "replay-last-input";
    std::fprintf(stderr, "changed inputs run for %.0f s (a failing one is left in %s)\n", seconds,
                 kLastInput);
    while (std::chrono::steady_clock::now() < until) {
        const Input input = mutate(inputs[random() % inputs.size()], inputs, random);
        std::ofstream(kLastInput, std::ios::binary)
            .write(reinterpret_cast<const char*>(input.data()),
                   static_cast<std::streamsize>(input.size()));
        run(input);
        ++mutated;
    }
    std::remove(kLastInput);
    std::printf("%zu inputs replayed, %zu changed inputs run\n", inputs.size(), mutated);
    return 0;
}
