#include "resultpagerunner.h"

#include "devicemodifyresultpage.h"

namespace TarnTool {

namespace {

ResultPageRunner::Hook &currentHook()
{
    static ResultPageRunner::Hook hook;
    return hook;
}

} // namespace

void ResultPageRunner::setHook(Hook hook)
{
    currentHook() = std::move(hook);
}

void ResultPageRunner::run(DeviceModifyResultPage &page)
{
    const Hook &hook = currentHook();
    if (hook)
        hook(page);
    else
        page.exec();
}

} // namespace TarnTool
