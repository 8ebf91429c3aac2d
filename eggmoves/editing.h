// The three edits of the table. Each moves entries and lines together and keeps
// the counters by uncounting what leaves and counting what enters.
#pragma once

// Each returns false, changing nothing, when the row or the choice is out of
// range (no selected row is -1; an empty drop-down gives choice -1).
bool ChangeEntry(int row, int choice);
bool InsertEntry(int row, int choice);  // the last entry falls off the end
bool DeleteEntry(int row);              // a species filler enters at the end
