#include "shell/message_box_prompts.h"

#include "shell/product.h"
#include "shell/window_title_width.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpacerItem>
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
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Shows `box` and returns the button chosen. The text is always plain text: a file name such
// as "<h1>a</h1>.rpr" is shown as typed, never as markup. The question buttons read "Tak",
// "Nie" and "Anuluj", with Alt+T, Alt+N and Alt+A, whatever translation is installed. A box
// with a short text is made wide enough for its whole title, which QMessageBox alone clips
// beside the title bar's buttons ("Ocena Ryzy…awodowego").
int run(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(windowTitleWidth(box.windowTitle()), 0, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, "&Tak"}, {QMessageBox::No, "&Nie"}, {QMessageBox::Cancel, "&Anuluj"}};
    for (const auto& [button, name] : names) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QString::fromUtf8(name));
    }
    return box.exec();
}

} // namespace

void MessageBoxPrompts::message(const QString& text, Icon icon, const QString& caption)
{
    QMessageBox box(boxIcon(icon), captionOrTitle(caption), withLineBreaks(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    run(box);
}

bool MessageBoxPrompts::question(const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(boxIcon(icon), captionOrTitle(caption), withLineBreaks(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    return run(box) == QMessageBox::Yes;
}

Prompts::Answer MessageBoxPrompts::questionWithCancel(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Warning, captionOrTitle(caption), withLineBreaks(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    // Esc and the close box give Cancel: the work stays open.
    box.setEscapeButton(QMessageBox::Cancel);
    switch (run(box)) {
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
    return name.isEmpty() ? name : withFilterExtension(name, chosenFilter, filter);
}

QString withFilterExtension(const QString& name, const QString& nameFilter, const QString& filters)
{
    static const QRegularExpression extension(QStringLiteral("\\*(\\.[^ ;*?()]+)"));
    for (auto match = extension.globalMatch(filters); match.hasNext();) {
        if (name.endsWith(match.next().captured(1), Qt::CaseInsensitive))
            return name;
    }
    const auto first = extension.match(nameFilter);
    return first.hasMatch() ? name + first.captured(1) : name;
}

QString MessageBoxPrompts::text(const QString& caption, const QString& label, bool secret, bool* ok)
{
    return QInputDialog::getText(QApplication::activeWindow(), caption, label,
                                 secret ? QLineEdit::Password : QLineEdit::Normal, {}, ok);
}
