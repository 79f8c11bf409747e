#pragma once

#include "core/Result.h"

#include <algorithm>
#include <chrono>
#include <concepts>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace quintora {

// How long a download may take and how large it may be. `idle` is the longest wait for the
// next bytes, `total` the longest for the whole download; a body over `maxBytes` fails.
struct DownloadLimits {
    std::chrono::milliseconds idle{15000};
    std::chrono::milliseconds total{60000};
    std::size_t maxBytes = 64u << 20;

    // Each limit of this one, never beyond those of `ceiling`.
    DownloadLimits within(const DownloadLimits& ceiling) const {
        return {std::min(idle, ceiling.idle), std::min(total, ceiling.total),
                std::min(maxBytes, ceiling.maxBytes)};
    }
};

// The limits of each use. A trickling server holds none of them longer than its total.
namespace downloadlimits {
// The start-up version check: a dead host never holds the window back.
inline constexpr DownloadLimits VersionCheck{std::chrono::milliseconds(3000),
                                             std::chrono::milliseconds(3000), 4096};
inline constexpr DownloadLimits Archive{std::chrono::milliseconds(15000),
                                        std::chrono::milliseconds(60000), 16u << 20};
// The language and matrix lists and the credits of the language files.
inline constexpr DownloadLimits List{std::chrono::milliseconds(15000),
                                     std::chrono::milliseconds(60000), 1u << 20};
inline constexpr DownloadLimits LanguageFile{std::chrono::milliseconds(15000),
                                             std::chrono::milliseconds(60000), 16u << 20};
inline constexpr DownloadLimits MatrixFile{std::chrono::milliseconds(15000),
                                           std::chrono::milliseconds(60000), 64u << 20};
} // namespace downloadlimits

// Fetches one URL into a local file within the limits the caller gives. On success the file
// is there, complete; on failure the file at targetPath is as it was and the message says why.
// A stand-in that ignores the limits (a test's table of answers) may be made from a function
// of the URL and the target alone.
class Download {
public:
    using Function = std::function<Status(const std::string& url, const std::string& targetPath,
                                          const DownloadLimits& limits)>;

    Download() = default;
    template <typename F>
    requires std::invocable<F, const std::string&, const std::string&, const DownloadLimits&>
    Download(F function)
        : function_(std::move(function)) {}
    template <typename F>
    requires(std::invocable<F, const std::string&, const std::string&> &&
             !std::invocable<F, const std::string&, const std::string&, const DownloadLimits&>)
        Download(F function)
        : function_([function = std::move(function)](
                        const std::string& url, const std::string& target, const DownloadLimits&) {
            return function(url, target);
        }) {}

    Status operator()(const std::string& url, const std::string& targetPath,
                      const DownloadLimits& limits) const {
        return function_(url, targetPath, limits);
    }
    explicit operator bool() const { return static_cast<bool>(function_); }

private:
    Function function_;
};

// `download` within a deadline for a whole command: each download gets no more time than is
// left, and once none is left fails at once, without a connection.
Download withDeadline(Download download, std::chrono::steady_clock::time_point deadline);

} // namespace quintora
