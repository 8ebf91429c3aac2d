// The ROM image the page holds, as a stream the core's readers and writers use.
#pragma once

#include <iostream>
#include <streambuf>
#include <string>

// Reads and writes the bytes of a string in place: a write past its end fails,
// as it does on a file opened for update.
class ImageBuffer : public std::streambuf {
  public:
    explicit ImageBuffer(std::string& image) {
        char* begin = image.data();
        setg(begin, begin, begin + image.size());
        setp(begin, begin + image.size());
    }

  protected:
    pos_type seekoff(off_type offset, std::ios::seekdir dir, std::ios::openmode which) override {
        const off_type size = egptr() - eback();
        const off_type base = dir == std::ios::beg ? 0
                              : dir == std::ios::end
                                  ? size
                                  : ((which & std::ios::in) ? gptr() : pptr()) - eback();
        const off_type target = base + offset;
        if (target < 0 || target > size) return pos_type(off_type(-1));
        if (which & std::ios::in) setg(eback(), eback() + target, egptr());
        if (which & std::ios::out) {
            setp(eback(), egptr());
            pbump(static_cast<int>(target));
        }
        return pos_type(target);
    }
    pos_type seekpos(pos_type position, std::ios::openmode which) override {
        return seekoff(off_type(position), std::ios::beg, which);
    }
};

class ImageStream : public std::iostream {
  public:
    explicit ImageStream(std::string& image) : std::iostream(nullptr), buffer_(image) {
        rdbuf(&buffer_);
    }

  private:
    ImageBuffer buffer_;
};
