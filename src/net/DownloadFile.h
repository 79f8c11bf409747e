#pragma once

#include "core/Result.h"
#include "update/Download.h"

#include <string>

namespace quintora {

// DownloadFile: fetches `url` (http or https) into `targetPath`, never from a cache. An HTTP
// error, a redirect to another host, a time-out (`limits.idle` without data, `limits.total` in
// all) or a body over `limits.maxBytes` is a failure; so is a body whose end cannot be told
// from a cut connection: it must come with its length or in chunks. Nothing beyond the cap is
// read. The body is saved atomically in the target's folder only once complete, so a failed
// download leaves the file as it was. Waits in a local event loop (the windows keep painting);
// needs a QCoreApplication.
Status downloadFile(const std::string& url, const std::string& targetPath,
                    const DownloadLimits& limits);

// downloadFile with the limits each caller asks for, never beyond `ceiling` (tests shorten the
// times with it).
Download makeDownload(DownloadLimits ceiling = {std::chrono::milliseconds::max(),
                                                std::chrono::milliseconds::max(), std::size_t(-1)});

} // namespace quintora
