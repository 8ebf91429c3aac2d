// The fuzzer's ROM file: a FuzzRom written out as a sparse file, and the check
// that a file still holds exactly a given image.
#pragma once

#include <string>

#include "fuzz/fuzz_input.h"

// A path of this process's own, on /dev/shm when there is one; removed at exit.
const std::string& ScratchRomPath();

// Creates or empties the file and writes the image; the gaps stay holes.
void WriteImageFile(const std::string& path, const FuzzRom& image);

// The file has the image's size, its regions' bytes and zero bytes elsewhere.
bool FileHolds(const std::string& path, const FuzzRom& image);
