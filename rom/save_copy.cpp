// Save As: the ROM copied as it is on disk, with the table written into the
// copy, which takes the target's name only once it is whole.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "rom/rom_file.h"
#include "rom/saver.h"

namespace fs = std::filesystem;

namespace {

// A name beside target that no file has yet.
fs::path TemporaryBeside(const fs::path& target) {
    std::error_code error;
    for (int n = 0;; ++n) {
        fs::path temporary = target;
        temporary += ".quenmark-" + std::to_string(n) + ".tmp";
        if (!fs::exists(fs::symlink_status(temporary, error))) return temporary;
    }
}

SaveOutcome Failure(SaveCause cause, std::string reason = {}) {
    return {SaveResult::Failed, cause, std::move(reason)};
}

// Writes bytes into a new file at path; the system's error, or 0.
int WriteNewFile(const fs::path& path, const Bytes& bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    if (out) out.close();
    if (out) return 0;
    return errno ? errno : EIO;
}

}  // namespace

SaveOutcome SaveCopy(Rom& rom, const EggMoveEntries& entries, const std::string& target,
                     bool overwrite, std::optional<std::int64_t> at) {
    std::error_code error;
    if (fs::equivalent(target, rom.path, error)) return Failure(SaveCause::SameFile);
    if (!fs::is_regular_file(rom.path, error)) return Failure(SaveCause::FileGone);
    errno = 0;
    std::ifstream original(rom.path, std::ios::binary);
    if (!original) return Failure(SaveCause::CannotWrite, std::strerror(errno ? errno : EACCES));
    const std::int64_t size = RomFileSize(original);
    const Bytes bytes =
        ReadRomBytes(original, 0, static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
    original.close();

    const fs::path temporary = TemporaryBeside(target);
    if (const int failure = WriteNewFile(temporary, bytes)) {
        fs::remove(temporary, error);
        return Failure(SaveCause::CannotWrite, std::strerror(failure));
    }
    Rom copy = rom;
    copy.path = temporary.string();
    const SaveOutcome outcome = SaveTable(copy, entries, overwrite, at);
    if (!outcome.Written()) {
        fs::remove(temporary, error);
        return outcome;
    }
    fs::rename(temporary, target, error);
    if (error) {
        const std::string reason = error.message();
        fs::remove(temporary, error);
        return Failure(SaveCause::CannotWrite, reason);
    }
    rom = std::move(copy);
    rom.path = target;
    rom.writable = true;
    return outcome;
}
