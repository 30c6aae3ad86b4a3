#include "shell/message_box_prompts.h"

#include "shell/product.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <utility>

namespace {

// The program's messages break lines with a bare carriage return.
QString withLineBreaks(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString captionOrTitle(const QString& caption)
{
    return caption.isEmpty() ? ProductName : caption;
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

// The question buttons read "Tak", "Nie" and "Anuluj" whatever translation is installed.
void namePolishButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, "Tak"}, {QMessageBox::No, "Nie"}, {QMessageBox::Cancel, "Anuluj"}};
    for (const auto& [button, name] : names) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QString::fromUtf8(name));
    }
}

} // namespace

void MessageBoxPrompts::message(const QString& text, Icon icon, const QString& caption)
{
    QMessageBox box(boxIcon(icon), captionOrTitle(caption), withLineBreaks(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool MessageBoxPrompts::question(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Warning, captionOrTitle(caption), withLineBreaks(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    namePolishButtons(box);
    return box.exec() == QMessageBox::Yes;
}

Prompts::Answer MessageBoxPrompts::questionWithCancel(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Warning, captionOrTitle(caption), withLineBreaks(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    namePolishButtons(box);
    // Esc and the close box give Cancel: the work stays open.
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString MessageBoxPrompts::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString MessageBoxPrompts::saveFileName(const QString& caption, const QString& proposedPath, const QString& filter)
{
    // The commands ask before replacing a file themselves (saveFileNameReplacing).
    QString chosenFilter;
    const QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, proposedPath, filter,
                                                      &chosenFilter, QFileDialog::DontConfirmOverwrite);
    return name.isEmpty() ? name : withFilterExtension(name, chosenFilter);
}

QString withFilterExtension(const QString& name, const QString& nameFilter)
{
    static const QRegularExpression extension(QStringLiteral("\\*(\\.[^ ;*?()]+)"));
    QString first;
    for (auto match = extension.globalMatch(nameFilter); match.hasNext();) {
        const QString suffix = match.next().captured(1);
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return name;
        if (first.isEmpty())
            first = suffix;
    }
    return name + first;
}

QString MessageBoxPrompts::text(const QString& caption, const QString& label, bool secret, bool* ok)
{
    return QInputDialog::getText(QApplication::activeWindow(), caption, label,
                                 secret ? QLineEdit::Password : QLineEdit::Normal, {}, ok);
}
