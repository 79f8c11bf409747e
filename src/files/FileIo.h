#pragma once

#include "core/Result.h"
#include "files/SaveDevice.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// Reads a whole file. Refuses, before opening it, what is not a regular file (a folder, a
// FIFO that would wait for a writer forever, a device), and a file larger than maxBytes.
Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes);
// The same into storage of the caller's: room(n) gives room for n bytes, keeping what it held
// (it is asked again, for more, when the file grows while it is read). Returns how many bytes
// were read into the room.
Result<std::size_t>
readWholeFileInto(const std::string& path, std::size_t maxBytes,
                  const std::function<std::span<std::uint8_t>(std::size_t)>& room);

// Saves bytes so that a failure never leaves a half-written file nor destroys the previous
// one: they go to a temporary file in the target's folder, are flushed to the disk and
// replace the target by a rename, and the folder is flushed too. A symlink is saved through
// to the file it names and stays a link; an existing file keeps its mode (and its owner where
// the user may give it), a new one gets 0666 less the umask. An empty path, a read-only file
// and whatever is not a regular file (folder, device, FIFO) are refused with a message.
// Nothing is left behind: the temporary is unnamed until complete where the file system
// allows it, and a named one carries its process's id, so that the next save into the folder
// removes it at once when a kill left it there.
Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
Status writeFileAtomically(const std::string& path, const std::string& text);
// The same through `device` (tests pass one that fails).
Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           SaveDevice& device);

// A file written in pieces (a print that goes on page by page) and saved as
// writeFileAtomically saves: the pieces go to a temporary file in the target's folder, and
// commit() flushes it and renames it over the target. A writer destroyed before its commit,
// or one whose write failed, removes its temporary and leaves the target as it was.
class AtomicFileWriter {
public:
    static Result<std::unique_ptr<AtomicFileWriter>> open(const std::string& path);
    // The same through `device` (tests pass one that fails).
    static Result<std::unique_ptr<AtomicFileWriter>> open(const std::string& path,
                                                          SaveDevice& device);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    Status write(std::span<const std::uint8_t> bytes);
    Status commit();

private:
    AtomicFileWriter(std::unique_ptr<SaveDevice> ownDevice, SaveDevice& device);
    static Result<std::unique_ptr<AtomicFileWriter>>
    openWith(const std::string& path, std::unique_ptr<SaveDevice> ownDevice, SaveDevice& device);
    void discard();

    std::unique_ptr<SaveDevice> ownDevice_; // the system's calls, unless a test gave its own
    SaveDevice& device_;
    std::string path_;
    std::string name_;      // the target's name in its folder
    std::string temporary_; // the temporary's name until it replaced the target
    int folder_ = -1;
    int fd_ = -1;
};

// Whether a save to `path` can start, with the saver's own messages: the checks of
// writeFileAtomically on the name, the target and its folder, before any work is done.
Status checkSaveTarget(const std::string& path);

// The file name part of a path ("a/b/Nome.qsy" -> "Nome.qsy").
std::string fileNamePart(const std::string& path);
// ASCII lower case, as the status bar shows file names.
std::string lowerCase(std::string text);

} // namespace quintora
