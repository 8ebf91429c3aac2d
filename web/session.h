// The one ROM the page holds, shared by the files that bind the core for it.
#pragma once

#include <emscripten/val.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "eggmoves/history.h"
#include "eggmoves/words.h"
#include "rom/loader.h"

struct Session {
    std::string image;    // the whole ROM as the page holds it
    std::string opening;  // the ROM the page is opening, until it is loaded
    Rom rom;
    EditHistory history;
    std::optional<std::size_t> savedBefore;  // the history's saved mark before the last save
    // What the file held at the table when the page read it: repairs reach a
    // picked file only with the next save, so they are no change by another program.
    Bytes openedOnDisk;
    // The image and the table's place before the last save, for a write that failed.
    std::string imageBefore;
    TableLocation tableBefore;
    std::uint16_t afterTableBefore = EndMarkEntry;
    Bytes onDiskBefore;
};

Session& Current();
// The writers' opener: every ROM path is the image the page holds.
std::unique_ptr<std::iostream> OpenImage(const std::string&);
// Words as the page's texts hold them: [English, French].
emscripten::val Pair(const Words& words);

// Opening a ROM: its buffer, filled by the page a piece at a time, what must be
// asked first, and the load.
emscripten::val OpeningView();
emscripten::val OpeningBuffer(int size);
void Warm(int size);
emscripten::val Inspect(const std::string& name);
std::string Load(const std::string& name, emscripten::val askRepair);
