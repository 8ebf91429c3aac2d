#include "rom/versions.h"

#include "rom/rom_file.h"

std::string ReadGameCode(std::istream& rom) {
    const Bytes b = ReadRomBytes(rom, GameCodeOffset, 4);
    return std::string(b.begin(), b.end());
}

const GameVersion* FindGameVersion(std::string_view code, std::uint8_t revision) {
    const GameVersion* first = nullptr;
    for (const GameVersion& v : GameVersionTable) {
        if (v.code != code) continue;
        if (v.revision == revision) return &v;
        if (!first) first = &v;
    }
    return first;
}

Release IdentifyGameVersion(std::istream& rom) {
    Release release{nullptr, ReadGameCode(rom), ReadRomBytes(rom, RevisionOffset, 1)[0]};
    release.version = FindGameVersion(release.code, release.revision);
    return release;
}

std::string VersionName(const Release& release) {
    if (!release.version || release.version->revision != release.revision) return {};
    return "1." + std::to_string(release.revision);
}
