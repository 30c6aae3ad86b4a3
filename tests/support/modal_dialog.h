#pragma once
// Answering a program's own modal dialog in a test: the code under test calls exec(), and
// `answer` runs on the dialog from inside that dialog's event loop as soon as it is the
// active modal window. A dialog that never comes fails the test.

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

template <class Dialog>
void answerNextModal(std::function<void(Dialog&)> answer)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer), tries = 0]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && ++tries < 400)
            return;
        poll->stop();
        poll->deleteLater();
        if (!dialog) {
            ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " was shown";
            return;
        }
        answer(*dialog);
    });
    poll->start();
}
