// Puts every process-wide value of the core back to its start, so tests never
// depend on the order in which they run.
#pragma once

#include <fstream>
#include <memory>
#include <string>

void ResetProgramState();

// Openers for the update seam that make the writers fail on demand: the first
// cannot open the file at all (a read-only or locked file), the second opens it
// but every write fails.
std::unique_ptr<std::fstream> RefusingOpener(const std::string& path);
std::unique_ptr<std::fstream> ReadOnlyOpener(const std::string& path);

// Installs an opener for the life of the object.
class ScopedOpener {
  public:
    explicit ScopedOpener(std::unique_ptr<std::fstream> (*opener)(const std::string&));
    ~ScopedOpener();
    ScopedOpener(const ScopedOpener&) = delete;
    ScopedOpener& operator=(const ScopedOpener&) = delete;

  private:
    std::unique_ptr<std::fstream> (*saved_)(const std::string&);
};
