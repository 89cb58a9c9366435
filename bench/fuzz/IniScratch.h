#pragma once
// A settings file of the fuzzer's own in memory-backed storage, so that each run costs no disk.

#include <unistd.h>

#include <cstdio>
#include <string>

inline const std::string& ScratchIni() {
    static const std::string path = [] {
        const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(folder) + "/clipvane-fuzz-" + std::to_string(getpid()) + ".ini";
    }();
    return path;
}

inline void WriteScratch(const std::string& bytes) {
    std::FILE* file = std::fopen(ScratchIni().c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
