#include "fuzz/image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
    std::perror((std::string(what) + " " + path).c_str());
    std::abort();
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool ReadAt(int fd, std::uint64_t offset, std::uint8_t* out, std::size_t count) {
    while (count > 0) {
        const ssize_t n = pread(fd, out, count, static_cast<off_t>(offset));
        if (n <= 0) return false;
        out += n;
        offset += static_cast<std::uint64_t>(n);
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AllZero(int fd, std::uint64_t from, std::uint64_t to) {
    // Data extents are a few pages; one page at a time needs no allocation.
    static std::uint8_t chunk[4096];
    while (from < to) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof chunk, to - from));
        if (!ReadAt(fd, from, chunk, n)) return false;
        if (std::any_of(chunk, chunk + n, [](std::uint8_t b) { return b != 0; })) return false;
        from += n;
    }
    return true;
}

// Reads only the data extents inside [from, to): holes are zero by definition, and
// a 3 MB image holds a few pages of data.
bool GapIsZero(int fd, std::uint64_t from, std::uint64_t to) {
    while (from < to) {
        const off_t data = lseek(fd, static_cast<off_t>(from), SEEK_DATA);
        if (data < 0) return errno == ENXIO || AllZero(fd, from, to);  // ENXIO: no more data
        if (static_cast<std::uint64_t>(data) >= to) return true;
        const off_t hole = lseek(fd, data, SEEK_HOLE);
        const std::uint64_t end = hole < 0 ? to : std::min<std::uint64_t>(hole, to);
        if (!AllZero(fd, data, end)) return false;
        from = end;
    }
    return true;
}

struct ScratchFile {
    std::string path;
    ScratchFile() {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code ec;
        const auto dir =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        path = (dir / ("quenmark-fuzz-" + std::to_string(getpid()) + ".gba")).string();
    }
    ~ScratchFile() { unlink(path.c_str()); }
};

}  // namespace

const std::string& ScratchRomPath() {
    static const ScratchFile file;
    return file.path;
}

void WriteImageFile(const std::string& path, const FuzzRom& image) {
    if (!WritePieces(path, image.regions, image.size)) Fail("cannot write", path);
}

bool FileHolds(const std::string& path, const FuzzRom& image) {
    const Fd fd(open(path.c_str(), O_RDONLY));
    struct stat st {};
    if (fd.get() < 0 || fstat(fd.get(), &st) != 0) return false;
    if (static_cast<std::uint64_t>(st.st_size) != image.size) return false;

    ByteString actual;
    std::uint64_t covered = 0;  // regions are disjoint and in file order
    for (const Region& r : image.regions) {
        if (r.bytes.empty()) continue;
        actual.resize(r.bytes.size());
        if (!ReadAt(fd.get(), r.offset, actual.data(), actual.size()) || actual != r.bytes)
            return false;
        if (!GapIsZero(fd.get(), covered, r.offset)) return false;
        covered = r.end();
    }
    return GapIsZero(fd.get(), covered, image.size);
}
