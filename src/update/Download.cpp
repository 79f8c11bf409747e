#include "update/Download.h"

namespace quintora {

Download withDeadline(Download download, std::chrono::steady_clock::time_point deadline) {
    return Download([download = std::move(download), deadline](const std::string& url,
                                                               const std::string& targetPath,
                                                               const DownloadLimits& limits) {
        using namespace std::chrono;
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left <= milliseconds::zero()) {
            return Status(
                Error{"", Message{text::DownloadFailed, {url, Message{text::CommandTimeRanOut}}}});
        }
        return download(url, targetPath, limits.within({left, left, limits.maxBytes}));
    });
}

} // namespace quintora
