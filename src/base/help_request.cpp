#include "base/help_request.h"

#include <QVariant>
#include <QWidget>
#include <utility>

namespace {

const char* const HelpContextProperty = "helpContext";

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

void setHelpContext(QWidget* widget, int context)
{
    widget->setProperty(HelpContextProperty, context);
}

int helpContextOf(const QWidget* widget)
{
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        if (const QVariant context = widget->property(HelpContextProperty); context.isValid())
            return context.toInt();
    }
    return 0;
}
