#pragma once

#include "core/Result.h"
#include "update/ServerUpdates.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace quintora {

// How long a download may take. A refused connection fails at once; `idle` is the longest
// wait for the next bytes, `total` (when not zero) the longest for the whole download.
struct DownloadLimits {
    std::chrono::milliseconds idle{15000};
    std::chrono::milliseconds total{0};
    std::size_t maxBytes = 64u << 20;

    // The start-up version check: a dead host never holds the window back.
    static DownloadLimits versionCheck() {
        return {std::chrono::milliseconds(3000), std::chrono::milliseconds(3000), 4096};
    }
};

// DownloadFile: fetches `url` (http or https) into `targetPath`, never from a cache. An HTTP
// error, a redirect to another host, a time-out or a body over the limit is a failure. The
// body is saved atomically in the target's folder only once complete, so a failed download
// leaves the file as it was. Waits in a local event loop (the windows keep painting); needs a
// QCoreApplication.
Status downloadFile(const std::string& url, const std::string& targetPath,
                    const DownloadLimits& limits = {});

// downloadFile with these limits, as the core's update procedures take it.
Download makeDownload(DownloadLimits limits = {});

} // namespace quintora
