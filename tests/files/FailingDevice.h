#pragma once

#include "files/SaveDevice.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <limits>

namespace quintora::test {

// A save device that behaves as a full or broken disk: the n-th call of one kind (write,
// sync or close, counted from 1) fails with `error`; a write error of 0 writes nothing at
// all. Writes can be cut into short pieces, as a real disk may return them.
class FailingDevice : public PosixSaveDevice {
public:
    enum class Call { None, Write, Sync, Close };

    FailingDevice(Call call, int nth, int error = EIO,
                  std::size_t piece = std::numeric_limits<std::size_t>::max(), bool unnamed = true)
        : call_(call)
        , nth_(nth)
        , error_(error)
        , piece_(piece)
        , unnamed_(unnamed) {}

    Written write(int fd, std::span<const std::uint8_t> bytes) override {
        if (failsNow(Call::Write, writes_)) {
            return {0, error_};
        }
        return PosixSaveDevice::write(fd, bytes.first(std::min(piece_, bytes.size())));
    }
    int sync(int fd) override {
        return failsNow(Call::Sync, syncs_) ? error_ : PosixSaveDevice::sync(fd);
    }
    int close(int fd) override {
        const int closed = PosixSaveDevice::close(fd); // the descriptor goes either way
        return failsNow(Call::Close, closes_) ? error_ : closed;
    }
    bool unnamedTemporaries() const override { return unnamed_; }

    int writes() const { return writes_; }
    int syncs() const { return syncs_; }

private:
    bool failsNow(Call call, int& count) const { return ++count == nth_ && call == call_; }

    Call call_;
    int nth_;
    int error_;
    std::size_t piece_;
    bool unnamed_;
    int writes_ = 0;
    int syncs_ = 0;
    int closes_ = 0;
};

} // namespace quintora::test
