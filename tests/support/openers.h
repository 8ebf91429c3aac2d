// Openers for the update seam that make the writers fail on demand, since root
// writes through a read-only file: the first cannot open the file at all, the
// second opens it for reading only, so every write fails.
#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "rom/update_stream.h"

inline std::unique_ptr<std::iostream> RefusingOpener(const std::string&) {
    auto stream = std::make_unique<std::fstream>();
    stream->setstate(std::ios::failbit);
    return stream;
}

inline std::unique_ptr<std::iostream> ReadOnlyOpener(const std::string& path) {
    return std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
}

// Installs an opener for the life of the object.
class ScopedOpener {
  public:
    explicit ScopedOpener(UpdateStreamOpener opener) : saved_(OpenForUpdate) {
        OpenForUpdate = opener;
    }
    ~ScopedOpener() { OpenForUpdate = saved_; }
    ScopedOpener(const ScopedOpener&) = delete;
    ScopedOpener& operator=(const ScopedOpener&) = delete;

  private:
    UpdateStreamOpener saved_;
};
