#include "documents/help_context.h"

#include <QVariant>
#include <QWidget>

namespace {

const char* const HelpContextProperty = "helpContext";

} // namespace

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
