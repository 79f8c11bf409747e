#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quintora {

// The calls the atomic saver makes on what it writes: the temporary file and, after the
// rename, its folder. Saves use the system's own calls (PosixSaveDevice); a test passes a
// device that fails as a full or broken disk would, which works for every user, root included.
class SaveDevice {
public:
    struct Written {
        std::size_t bytes = 0; // how many of the bytes were written; fewer than asked is no error
        int error = 0;         // an errno value; 0 when the write worked
    };

    virtual ~SaveDevice() = default;

    // Writes all of `bytes` or a first part of them.
    virtual Written write(int fd, std::span<const std::uint8_t> bytes) = 0;
    // Flushes a file's data, or a folder's entries, to the disk: 0 or an errno value.
    virtual int sync(int fd) = 0;
    // Closes the temporary file: 0 or an errno value; the descriptor is released either way.
    virtual int close(int fd) = 0;
    // Whether the saver may write an unnamed temporary file (linked into the folder only when
    // it is complete) where the file system has them; false makes it use a named one.
    virtual bool unnamedTemporaries() const { return true; }
};

// The system's calls; interrupted calls are repeated.
class PosixSaveDevice : public SaveDevice {
public:
    Written write(int fd, std::span<const std::uint8_t> bytes) override;
    int sync(int fd) override;
    int close(int fd) override;
};

} // namespace quintora
