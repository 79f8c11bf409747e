#pragma once

namespace quintora {

struct AppContext;

// The check for a newer version, run at every start before the main window loads. This base
// does nothing; the check against the server overrides run().
class VersionCheck {
public:
    virtual ~VersionCheck() = default;
    // False when the program must end (a newer version was announced).
    virtual bool run(AppContext& /*context*/) { return true; }
};

} // namespace quintora
