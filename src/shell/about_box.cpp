#include "shell/about_box.h"

#include "documents/auto_scale.h"
#include "shell/dialog_font.h"
#include "shell/drawn_icon.h"
#include "shell/product.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A label that opens an address through the system when clicked.
class AddressLabel : public QLabel {
public:
    AddressLabel(const QString& text, const QUrl& address, QWidget* parent)
        : QLabel(text, parent)
        , address_(address)
    {
        setCursor(Qt::PointingHandCursor);
        setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton)
            QDesktopServices::openUrl(address_);
    }

private:
    QUrl address_;
};

QLabel* addLabel(QVBoxLayout* column, const QString& text, const char* name = "")
{
    auto* label = new QLabel(text, column->parentWidget());
    label->setObjectName(QLatin1String(name));
    column->addWidget(label);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programie"));
    setFont(dialogFont());

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* column = new QVBoxLayout(panel);
    column->setSpacing(2);

    auto* header = new QHBoxLayout;
    auto* icon = new QLabel(panel);
    icon->setPixmap(drawnIcon("program").pixmap(64, 64));
    header->addWidget(icon);
    auto* titles = new QVBoxLayout;
    ProductName = new QLabel(::ProductName, panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setFont(dialogFont(16, true));
    Version = new QLabel(QStringLiteral("Wersja ") + ProgramVersion, panel);
    Version->setObjectName(QStringLiteral("Version"));
    titles->addWidget(ProductName);
    titles->addWidget(Version);
    titles->addWidget(new QLabel(QStringLiteral("Producent: ") + MakerName, panel));
    header->addLayout(titles, 1);
    column->addLayout(header);
    column->addSpacing(6);

    Label7 = addLabel(column, ::ProductName, "Label7");
    Label7->setFont(dialogFont(12, true));
    Comments = addLabel(column, QStringLiteral("Program przeznaczony do oceny ryzyka zawodowego na stanowiskach pracy."),
                        "Comments");
    Comments->setWordWrap(true);
    column->addSpacing(6);
    addLabel(column, MakerName);
    addLabel(column, MakerStreet + QStringLiteral(", ") + MakerTown);
    addLabel(column, QStringLiteral("Program opracował zespół programistów producenta."));
    addLabel(column, QStringLiteral("Kontakt: przez pocztę elektroniczną lub stronę internetową."));
    column->addSpacing(6);
    addLabel(column, QStringLiteral("UWAGA:"))->setFont(dialogFont(12, true));
    addLabel(column, QStringLiteral("Program jest chroniony prawem autorskim. Kopiowanie"));
    addLabel(column, QStringLiteral("i rozpowszechnianie programu lub jego części bez zgody"));
    addLabel(column, QStringLiteral("producenta jest zabronione."));
    column->addSpacing(6);

    auto* addresses = new QHBoxLayout;
    addresses->addWidget(new QLabel(QStringLiteral("e-mail"), panel));
    Label8 = new AddressLabel(MakerEmail, QUrl(QStringLiteral("mailto:") + MakerEmail), panel);
    Label8->setObjectName(QStringLiteral("Label8"));
    addresses->addWidget(Label8);
    addresses->addStretch();
    column->addLayout(addresses);
    Label10 = new AddressLabel(MakerWebAddress, QUrl(MakerWebAddress), panel);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setVisible(!MakerWebAddress.isEmpty());
    column->addWidget(Label10);
    column->addStretch();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    // Never narrower than the product's name in its large font and the window's title.
    setFixedSize(layout->sizeHint().expandedTo(QSize(367, 345)));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ApplyAutoScale(this);
}
