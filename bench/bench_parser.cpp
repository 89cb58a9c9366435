// Parser throughput on real encoder output: a stderr capture of one conversion, repeated in memory
// and fed in read-sized chunks, with the real wall clock.
//   bench_parser [capture file] [megabytes]

#include "core/OutputParser.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

using namespace clipvane;

namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct TResult {
    double Seconds = 1e300;    // wall clock
    double CpuSeconds = 1e300; // this process's processor time: fairer on a busy shared machine
    std::size_t Reports = 0;
};

// Best of a few runs, so a moment of contention on a shared machine does not count.
TResult Run(const std::string& text, std::size_t chunkSize, bool counting) {
    TResult best;
    for (int attempt = 0; attempt < 5; ++attempt) {
        TParseState state;
        TPipeTail tail; // as the runner reads: a line split between reads is kept whole
        std::size_t reports = 0;
        const std::function<void(const TProcessInfo&)> noOp = [](const TProcessInfo&) {};
        const std::function<void(const TProcessInfo&)> count = [&reports](const TProcessInfo&) { ++reports; };
        const std::clock_t cpuStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t offset = 0; offset < text.size(); offset += chunkSize) {
            const std::string_view chunk(text.data() + offset, std::min(chunkSize, text.size() - offset));
            ParseOutput(chunk, state, &LocalNow, nullptr, counting ? count : noOp, &tail);
        }
        const double seconds = SecondsSince(start);
        const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        best.Seconds = std::min(best.Seconds, seconds);
        best.CpuSeconds = std::min(best.CpuSeconds, cpuSeconds);
        best.Reports = reports;
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : CLIPVANE_BENCH_DATA "/ffmpeg-mpeg4-mp3.log";
    const std::size_t megabytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 200;
    const std::string capture = ReadFile(path.c_str());
    if (capture.empty()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    std::string text;
    text.reserve(megabytes * 1000000 + capture.size());
    while (text.size() < megabytes * 1000000)
        text += capture;

    std::printf("capture %s: %zu bytes, repeated to %.1f MB\n\n", path.c_str(), capture.size(),
                text.size() / 1e6);
    std::printf("%10s  %-8s  %10s  %10s  %12s\n", "chunk", "sink", "MB/s wall", "MB/s cpu", "reports");
    for (std::size_t chunkSize : {std::size_t{128}, std::size_t{4096}, std::size_t{65536}}) {
        for (bool counting : {false, true}) {
            const TResult result = Run(text, chunkSize, counting);
            std::printf("%10zu  %-8s  %10.0f  %10.0f  %12s\n", chunkSize, counting ? "counting" : "no-op",
                        text.size() / 1e6 / result.Seconds, text.size() / 1e6 / result.CpuSeconds,
                        counting ? std::to_string(result.Reports).c_str() : "-");
        }
    }

    constexpr int kCalls = 2000000;
    double sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCalls; ++i)
        sink += LocalNow();
    std::printf("\nLocalNow: %.0f ns per call (%g)\n", SecondsSince(start) / kCalls * 1e9,
                sink > 0 ? 1.0 : 0.0);
    return 0;
}
