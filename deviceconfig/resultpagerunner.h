#ifndef RESULTPAGERUNNER_H
#define RESULTPAGERUNNER_H

// Runs a filled batch result page modally. Tests replace the run with a hook
// that reads the page instead, so that no modal loop waits for a click.

#include <functional>

namespace TarnTool {

class DeviceModifyResultPage;

class ResultPageRunner
{
public:
    using Hook = std::function<void(DeviceModifyResultPage &page)>;

    // An empty hook restores the modal run.
    static void setHook(Hook hook);
    static void run(DeviceModifyResultPage &page);
};

} // namespace TarnTool

#endif // RESULTPAGERUNNER_H
