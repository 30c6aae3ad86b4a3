#include "shell/welcome_screen.h"

#include "base/error_boundary.h"
#include "base/program_settings.h"
#include "base/prompts.h"
#include "shell/dialog_font.h"
#include "shell/drawn_icon.h"
#include "shell/file_commands.h"
#include "shell/image_activ.h"
#include "shell/main_window.h"
#include "shell/product.h"
#include "shell/settings_file.h"

#include <QCheckBox>

namespace {

constexpr int ImageSize = 32;
const char* const RestingPlaceProperty = "restingPlace";

QLabel* newLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(dialogFont(13, true));
    return label;
}

} // namespace

TForm6::TForm6(TForm1* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint)
    , mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Witamy w programie %1").arg(ProductName));
    setFont(dialogFont());
    setFixedSize(438, 262);

    newLabel(QStringLiteral("Co chcesz zrobić:"), this)->move(12, 10);
    ImageActiv1 = addButton(1, {36, 40}, "welcome_new_project", QStringLiteral("Nowy projekt"), &TForm6::ImageActiv1Click);
    ImageActiv2 = addButton(2, {188, 40}, "welcome_open_project", QStringLiteral("Otworzyć projekt"),
                            &TForm6::ImageActiv2Click);
    ImageActiv3 = addButton(3, {340, 40}, "welcome_new_assessment", QStringLiteral("Nowa ocena"),
                            &TForm6::ImageActiv3Click);
    ImageActiv4 = addButton(4, {36, 132}, "welcome_open_assessment", QStringLiteral("Otworzyć ocenę"),
                            &TForm6::ImageActiv4Click);
    ImageActiv5 = addButton(5, {188, 132}, "welcome_tutorial", QStringLiteral("Samouczek"), &TForm6::ImageActiv5Click);
    ImageActiv6 = addButton(6, {340, 132}, "welcome_close", QStringLiteral("Zamknąć to okno"),
                            &TForm6::ImageActiv6Click);

    CheckBox1 = new QCheckBox(QStringLiteral("Pokaż ten ekran powitalny przy uruchomieniu"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    CheckBox1->adjustSize();
    CheckBox1->move(12, 228);
    // Starting on the check box, Enter starts nothing by accident; Tab reaches the images.
    CheckBox1->setFocus();
}

// Each image lies over a plain copy of itself, which shows while the active one has moved;
// its label is centred under it.
TImageActiv* TForm6::addButton(int index, QPoint place, const char* image, const QString& label,
                               void (TForm6::*action)())
{
    const QPixmap picture = drawnIcon(image).pixmap(ImageSize, ImageSize);
    auto* plain = new QLabel(this);
    plain->setPixmap(picture);
    plain->setGeometry(QRect(place, QSize(ImageSize, ImageSize)));

    auto* button = new TImageActiv(this);
    button->setObjectName(QStringLiteral("ImageActiv%1").arg(index));
    button->setPixmap(picture);
    button->setToolTip(label);
    button->setGeometry(QRect(place, QSize(ImageSize, ImageSize)));
    button->setProperty(RestingPlaceProperty, place);
    connect(button, &TImageActiv::OnMouseEnter, this, [button] { button->move(restingPlace(button) - QPoint(2, 2)); });
    connect(button, &TImageActiv::OnMouseExit, this, [button] { button->move(restingPlace(button)); });
    connect(button, &TImageActiv::OnClick, this, action);

    QLabel* caption = newLabel(label, this);
    caption->adjustSize();
    caption->move(place.x() + ImageSize / 2 - caption->width() / 2, place.y() + ImageSize + 6);
    return button;
}

QPoint TForm6::restingPlace(const TImageActiv* button)
{
    return button->property(RestingPlaceProperty).toPoint();
}

void TForm6::runAndClose(void (TForm1::*command)())
{
    hide();
    runCommand([this, command] { (mainWindow_->*command)(); });
    reject();
}

void TForm6::openDocument(const QString& filter)
{
    hide();
    runCommand([this, &filter] {
        const QString path = prompts().openFileName(QStringLiteral("Otwórz"),
                                                    mainWindow_->fileCommands()->DocumentsFolder(), filter);
        if (!path.isEmpty())
            mainWindow_->OpenDocument(path);
    });
    reject();
}

void TForm6::ImageActiv1Click()
{
    runAndClose(&TForm1::FileNew1Execute);
}

void TForm6::ImageActiv2Click()
{
    openDocument(QStringLiteral("Plik projektu (*.rpr)"));
}

void TForm6::ImageActiv3Click()
{
    runAndClose(&TForm1::Ocenaryzyka1Click);
}

void TForm6::ImageActiv4Click()
{
    openDocument(QStringLiteral("Plik oceny ryzyka (*.ron)"));
}

void TForm6::ImageActiv5Click()
{
    runAndClose(&TForm1::Samouczek1Click);
}

void TForm6::ImageActiv6Click()
{
    reject();
}

void TForm6::done(int result)
{
    if (!CheckBox1->isChecked()) {
        runCommand([this] { SettingsFile(mainWindow_->paths()).writeBool(ShowWelcomeKey, false); });
        programSettings().ShowWelcome = false;
    }
    QDialog::done(result);
}
