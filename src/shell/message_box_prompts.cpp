#include "shell/message_box_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// The program's messages break lines with a bare carriage return.
QString withLineBreaks(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString captionOrTitle(const QString& caption)
{
    return caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
}

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Shows a message box and returns the button chosen. The text is always plain text: a file
// name such as "<h1>a</h1>.rpr" is shown as typed, never as markup.
QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, captionOrTitle(caption), withLineBreaks(text), buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void MessageBoxPrompts::message(const QString& text, Icon icon, const QString& caption)
{
    ask(boxIcon(icon), caption, text, QMessageBox::Ok);
}

bool MessageBoxPrompts::question(const QString& text, const QString& caption)
{
    return ask(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString MessageBoxPrompts::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString MessageBoxPrompts::saveFileName(const QString& caption, const QString& proposedPath, const QString& filter)
{
    // The commands add their own extension and overwrite without asking.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, proposedPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString MessageBoxPrompts::text(const QString& caption, const QString& label, bool secret, bool* ok)
{
    return QInputDialog::getText(QApplication::activeWindow(), caption, label,
                                 secret ? QLineEdit::Password : QLineEdit::Normal, {}, ok);
}
