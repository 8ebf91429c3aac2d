// Openers for the update seam that make the writers fail on demand, since root
// writes through a read-only file: the first opens nothing, the second opens the
// file for reading only, so that every write fails. A ScopedOpener puts one in
// for its own life.
#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <utility>

#include "rom/update_stream.h"

inline std::unique_ptr<std::iostream> RefusingOpener(const std::string&) {
    return std::make_unique<std::fstream>();
}

inline std::unique_ptr<std::iostream> ReadOnlyOpener(const std::string& path) {
    return std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
}

struct ScopedOpener {
    explicit ScopedOpener(UpdateStreamOpener opener)
        : saved(std::exchange(OpenForUpdate, opener)) {}
    ~ScopedOpener() { OpenForUpdate = saved; }
    UpdateStreamOpener saved;
};
