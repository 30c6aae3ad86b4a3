// Each document window lists every bound control it holds, once: a control left off the
// list would be neither read nor written, and its data silently lost.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "controls/bound_control.h"

#include <QSet>

TEST_F(DocumentWindowTest, BoundListHoldsEveryBoundControlOfTheWindowOnce)
{
    for (DocumentWindow* window : {static_cast<DocumentWindow*>(new TForm2(&host, &frame)),
                                   static_cast<DocumentWindow*>(new TForm5(&host, &frame))}) {
        QSet<BoundControl*> held;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (auto* control = dynamic_cast<BoundControl*>(child))
                held.insert(control);
        }
        const QList<BoundControl*>& listed = window->boundControls();
        const QSet<BoundControl*> listedOnce(listed.cbegin(), listed.cend());
        EXPECT_EQ(listedOnce.size(), listed.size()) << window->metaObject()->className() << ": a control listed twice";
        EXPECT_EQ(listedOnce, held) << window->metaObject()->className();
    }
}
