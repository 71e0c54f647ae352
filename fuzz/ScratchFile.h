// A file for targets whose reader takes a file name: one per process, made on
// first use and removed at exit.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline const std::string& ScratchFile()
{
    static const std::string name = [] {
        char path[] = "/tmp/vistra-fuzz-XXXXXX";
        int fd = mkstemp(path);
        if (fd < 0) std::abort();
        close(fd);
        std::atexit([] { std::remove(ScratchFile().c_str()); });
        return std::string(path);
    }();
    return name;
}
