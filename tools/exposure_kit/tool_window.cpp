#include "tool_window.h"

#include "verdict_banner.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The dynamic property through which the program's F1 key finds a window's help topic.
const char* const HelpContextProperty = "helpContext";

QLabel* wrapped(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

ToolWindow::ToolWindow(const Description& description, QWidget* owner)
    : QDialog(owner)
    , description_(description)
    , inputs_(new QVBoxLayout)
    , result_(new QLabel(QStringLiteral("Wpisz dane i wybierz „Oblicz”.")))
    , banner_(new VerdictBanner)
{
    setWindowTitle(description.title);
    setProperty(HelpContextProperty, description.helpContext);

    result_->setWordWrap(true);
    result_->setTextFormat(Qt::RichText);
    result_->setFrameShape(QFrame::StyledPanel);
    result_->setMargin(6);
    result_->setMinimumHeight(110);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* limitsBox = new QGroupBox(description.limitsTitle);
    auto* limitsLayout = new QHBoxLayout(limitsBox);
    limitsLayout->addWidget(new QLabel(description.limits), 0, Qt::AlignTop);
    limitsLayout->addWidget(wrapped(description.sources), 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* calculateButton = buttons->addButton(QStringLiteral("&Oblicz"), QDialogButtonBox::ApplyRole);
    calculateButton->setDefault(true);
    copy_ = buttons->addButton(QStringLiteral("&Kopiuj wynik"), QDialogButtonBox::ActionRole);
    print_ = buttons->addButton(QStringLiteral("Drukuj / &PDF"), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    for (QPushButton* button : {copy_, print_}) {
        button->setAutoDefault(false);
        button->setEnabled(false);
    }
    connect(calculateButton, &QPushButton::clicked, this, [this] { calculate(); });
    connect(copy_, &QPushButton::clicked, this, &ToolWindow::copy);
    connect(print_, &QPushButton::clicked, this, &ToolWindow::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrapped(description.intro));
    layout->addLayout(inputs_, 1);
    layout->addWidget(result_);
    layout->addWidget(banner_);
    layout->addWidget(limitsBox);
    layout->addWidget(buttons);
    resize(760, 720);
}

bool ToolWindow::printTo(const QString& path) const
{
    return !summary_.isEmpty() && sheet_.writePdf(path);
}

void ToolWindow::showResult(const Result& result)
{
    result_->setText(result.details);
    banner_->showVerdict(result.severity, result.verdict);
    summary_ = result.summary;
    sheet_ = {description_.title, QDate::currentDate(), result.inputs, description_.formula,
              description_.limits + QStringLiteral("<p>%1</p>").arg(description_.sources.toHtmlEscaped()),
              result.details, result.verdict};
    copy_->setEnabled(true);
    print_->setEnabled(true);
}

void ToolWindow::showError(const QString& message)
{
    result_->setText(QStringLiteral("<p style=\"color:#b00000\"><b>Nie można obliczyć.</b> %1</p>")
                         .arg(message.toHtmlEscaped()));
    banner_->hide();
    summary_.clear();
    copy_->setEnabled(false);
    print_->setEnabled(false);
}

void ToolWindow::copy() const
{
    QGuiApplication::clipboard()->setText(summary_);
}

void ToolWindow::print()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz wynik jako PDF"),
                                                      sheet_.title.section(QLatin1Char(':'), 0, 0) + QStringLiteral(".pdf"),
                                                      QStringLiteral("Dokument PDF (*.pdf)"));
    if (!path.isEmpty() && !printTo(path))
        QMessageBox::warning(this, description_.title, QStringLiteral("Nie można zapisać pliku %1.").arg(path));
}
