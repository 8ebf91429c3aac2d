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
    auto file = std::make_unique<std::fstream>();
    file->setstate(std::ios::failbit);  // as a file that did not open
    return file;
}

inline std::unique_ptr<std::iostream> ReadOnlyOpener(const std::string& path) {
    return std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
}

// Lets the first WritesAllowed writes through, then fails every later one, so
// that a writer can be stopped after each of its writes in turn.
inline int WritesAllowed = 0;
class CountedWrites final : public std::iostream {
  public:
    explicit CountedWrites(const std::string& path) : std::iostream(nullptr) {
        buffer_.open(path, std::ios::in | std::ios::out | std::ios::binary);
        rdbuf(&buffer_);
        if (!buffer_.is_open()) setstate(std::ios::failbit);
    }

  private:
    struct Buffer final : std::filebuf {
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            return WritesAllowed-- > 0 ? std::filebuf::xsputn(s, n) : 0;
        }
    } buffer_;
};
inline std::unique_ptr<std::iostream> CountingOpener(const std::string& path) {
    return std::make_unique<CountedWrites>(path);
}

struct ScopedOpener {
    explicit ScopedOpener(UpdateStreamOpener opener)
        : saved(std::exchange(OpenForUpdate, opener)) {}
    ~ScopedOpener() { OpenForUpdate = saved; }
    UpdateStreamOpener saved;
};
