#include "base/help_request.h"

#include <utility>

namespace {

std::function<void(int)>& handler()
{
    static std::function<void(int)> h;
    return h;
}

} // namespace

void requestHelp(int context)
{
    if (handler())
        handler()(context);
}

void setHelpHandler(std::function<void(int)> h)
{
    handler() = std::move(h);
}
