#include "shell/help_key.h"

#include "base/help_request.h"
#include "documents/help_context.h"

#include <QKeyEvent>
#include <QWidget>

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (const int context = helpContextOf(qobject_cast<QWidget*>(watched))) {
                requestHelp(context);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
