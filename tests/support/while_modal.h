#pragma once
// whileModal: runs `open`, which should show a modal dialog; once the dialog is up (found
// through its process-wide reference `current`), `drive` gets it and must close it. Returns
// whether the dialog was shown. A drive that stops at a failed assertion closes the dialog,
// so the test does not wait for a human.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

template <class Dialog>
bool whileModal(Dialog* (*current)(), const std::function<void()>& open, const std::function<void(Dialog&)>& drive)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (QPointer<Dialog> dialog = current()) {
            shown = true;
            drive(*dialog);
            if (dialog && dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->close();
            }
        }
    });
    open();
    // Without a modal loop the timer is still waiting: let it find no dialog now.
    QApplication::processEvents();
    return shown;
}
