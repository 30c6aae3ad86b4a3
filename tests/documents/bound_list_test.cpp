// Each document window lists every bound control it holds, once: a control left off the
// list would be neither read nor written, and its data silently lost.

#include "document_test_support.h"
#include "documents/assessment_window.h"
#include "documents/project_window.h"
#include "storage/bound_control.h"

#include <QSet>
#include <functional>

namespace {

struct WindowKind {
    const char* name;
    std::function<DocumentWindow*(DocumentHost*, QWidget*)> create;
};

class BoundList : public DocumentWindowTest, public ::testing::WithParamInterface<WindowKind> {};

} // namespace

TEST_P(BoundList, HoldsEveryBoundControlOfTheWindowOnce)
{
    DocumentWindow* window = GetParam().create(&host, &frame);
    QSet<BoundControl*> held;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (auto* control = dynamic_cast<BoundControl*>(child))
            held.insert(control);
    }
    const QList<BoundControl*>& listed = window->boundControls();
    const QSet<BoundControl*> listedOnce(listed.cbegin(), listed.cend());
    EXPECT_EQ(listedOnce.size(), listed.size()) << "a control listed twice";
    EXPECT_EQ(listedOnce, held);
}

INSTANTIATE_TEST_SUITE_P(
    DocumentWindows, BoundList,
    ::testing::Values(WindowKind{"Project", [](DocumentHost* host, QWidget* parent) -> DocumentWindow* {
                                     return new TForm2(host, parent);
                                 }},
                      WindowKind{"Assessment", [](DocumentHost* host, QWidget* parent) -> DocumentWindow* {
                                     return new TForm5(host, parent);
                                 }}),
    [](const ::testing::TestParamInfo<WindowKind>& param) { return std::string(param.param.name); });
