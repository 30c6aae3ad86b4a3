#include "storage/bound_pass.h"

#include "storage/bound_control.h"

#include <QTabWidget>

namespace {

// A page's children in the order they were placed on it; a control inside a container on
// the page is that container's child and so is not met here.
template <typename Action>
void forEachBoundControl(QTabWidget* pages, Action action)
{
    for (int i = 0; i < pages->count(); ++i) {
        const QObjectList children = pages->widget(i)->children();
        for (QObject* child : children) {
            // Edit, memo, radio group and table are all bound controls, and each is one kind.
            if (auto* control = dynamic_cast<BoundControl*>(child))
                action(*control);
        }
    }
}

} // namespace

void ReadPass(QTabWidget* PageControl1)
{
    forEachBoundControl(PageControl1, [](BoundControl& control) { control.ReadIni(); });
}

void WritePass(QTabWidget* PageControl1)
{
    forEachBoundControl(PageControl1, [](BoundControl& control) { control.WriteIni(); });
}
