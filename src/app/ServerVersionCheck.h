#pragma once

#include "app/VersionCheck.h"
#include "update/ServerUpdates.h"

#include <functional>
#include <QString>

namespace quintora {

// NewVersion: asks the server named by the SERVER setting for its version. A failed download
// is silent; a newer version is announced in frmNewVersion and the program ends; a version
// text that cannot be compared shows the standard error message and the start goes on.
class ServerVersionCheck : public VersionCheck {
public:
    // Shows the announcement and returns once the user closed it.
    using Announce = std::function<void(AppContext&, const QString& local, const QString& remote)>;

    explicit ServerVersionCheck(Download download, Announce announce = showNewVersion);
    bool run(AppContext& context) override;

    static void showNewVersion(AppContext& context, const QString& local, const QString& remote);

private:
    Download download_;
    Announce announce_;
};

} // namespace quintora
