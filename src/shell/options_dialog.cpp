#include "shell/options_dialog.h"

#include "base/error_boundary.h"
#include "base/help_request.h"
#include "base/program_settings.h"
#include "base/prompts.h"
#include "documents/auto_scale.h"
#include "documents/help_context.h"
#include "shell/dialog_font.h"
#include "shell/password_field.h"
#include "shell/password_hash.h"
#include "shell/settings_file.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int OptionsHelpContext = 5030;

const QString WrongPassword = QStringLiteral("Aktualne hasło jest niewłaściwe.");
const QString DifferentPasswords =
    QStringLiteral("Nowe hasło i hasło powtórzone są różne. Wprowadź ponownie nowe hasło.");
const QString PasswordRight = QStringLiteral("Hasło poprawne");

QCheckBox* newCheckBox(const char* name, const QString& caption, bool checked, QWidget* page)
{
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

QPushButton* newButton(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

// A label above the control it names.
void addLabelled(QVBoxLayout* column, const QString& text, QWidget* control)
{
    auto* label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    column->addWidget(label);
    column->addWidget(control);
}

} // namespace

TForm190::TForm190(const ProgramPaths& paths, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint)
    , paths_(paths)
    , mainWindow_(mainWindow)
    , autoScaleAtOpen_(programSettings().AutoScale)
{
    setObjectName(QStringLiteral("Form190"));
    setWindowTitle(QStringLiteral("Opcje"));
    setFont(dialogFont());
    setFixedSize(429, 209);
    setHelpContext(this, OptionsHelpContext);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(createScalingPage(), QStringLiteral("Skalowanie"));
    PageControl1->addTab(createDefaultsPage(), QStringLiteral("Domyślne"));
    PageControl1->addTab(createPasswordPage(), QStringLiteral("Hasło"));
    createButtons();

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(SpeedButton3);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);
}

TForm190::~TForm190() = default;

QWidget* TForm190::createScalingPage()
{
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto* column = new QVBoxLayout(TabSheet2);
    for (const QString& line : {QStringLiteral("Opcja „Autoskalowanie” włącza"),
                                QStringLiteral("automatyczne skalowanie programu i dopasowanie do"),
                                QStringLiteral("ustawionej w systemie rozdzielczości.")})
        column->addWidget(new QLabel(line, TabSheet2));
    column->addSpacing(6);
    CheckBox1 = newCheckBox("CheckBox1", QStringLiteral("Autoskalowanie"), programSettings().AutoScale, TabSheet2);
    SpeedButton4 = newButton("SpeedButton4", QStringLiteral("Zastosuj"), {}, TabSheet2);
    connect(CheckBox1, &QCheckBox::clicked, SpeedButton4, [this] { SpeedButton4->setEnabled(true); });
    connect(SpeedButton4, &QPushButton::clicked, this, &TForm190::SpeedButton4Click);
    auto* row = new QHBoxLayout;
    row->addWidget(CheckBox1);
    row->addStretch();
    row->addWidget(SpeedButton4);
    column->addLayout(row);
    column->addStretch();
    return TabSheet2;
}

QWidget* TForm190::createDefaultsPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* column = new QVBoxLayout(TabSheet1);
    CheckBox2 = newCheckBox("CheckBox2", QStringLiteral("Zapamiętuj ostatnio otwarte."),
                            programSettings().RememberRecent, TabSheet1);
    CheckBox3 = newCheckBox("CheckBox3", QStringLiteral("Pokaż ekran powitalny."), programSettings().ShowWelcome,
                            TabSheet1);
    addLabelled(column, QStringLiteral("Zapamiętuje ostatnio otwarte zbiory."), CheckBox2);
    column->addSpacing(10);
    addLabelled(column, QStringLiteral("Pokaż ekran powitalny przy uruchomieniu"), CheckBox3);
    column->addStretch();
    return TabSheet1;
}

QWidget* TForm190::createPasswordPage()
{
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    auto* column = new QVBoxLayout(TabSheet3);
    MaskEdit1 = newPasswordField("MaskEdit1", TabSheet3);
    MaskEdit1->setToolTip(QStringLiteral("Aktualne hasło lub nic jeśli nie było hasła."));
    SpeedButton5 = newButton("SpeedButton5", QStringLiteral("Sprawdź hasło"), {}, TabSheet3);
    connect(SpeedButton5, &QPushButton::clicked, this, &TForm190::SpeedButton5Click);
    auto* label = new QLabel(QStringLiteral("Aktualne hasło lub nic jeśli nie było hasła:"), TabSheet3);
    label->setBuddy(MaskEdit1);
    column->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addWidget(MaskEdit1);
    row->addStretch();
    row->addWidget(SpeedButton5);
    column->addLayout(row);

    auto* frame = new QGroupBox(TabSheet3);
    MaskEdit2 = newPasswordField("MaskEdit2", frame);
    MaskEdit3 = newPasswordField("MaskEdit3", frame);
    auto* newPassword = new QVBoxLayout;
    addLabelled(newPassword, QStringLiteral("Nowe hasło:"), MaskEdit2);
    auto* repeated = new QVBoxLayout;
    addLabelled(repeated, QStringLiteral("Powtórz nowe hasło:"), MaskEdit3);
    auto* inFrame = new QHBoxLayout(frame);
    inFrame->addLayout(newPassword);
    inFrame->addLayout(repeated);
    column->addWidget(frame);
    column->addStretch();
    return TabSheet3;
}

void TForm190::createButtons()
{
    SpeedButton1 = newButton("SpeedButton1", QStringLiteral("Zamknij"), QStringLiteral("Zapisz i zamknij."), this);
    SpeedButton2 = newButton("SpeedButton2", QStringLiteral("Anuluj"), QStringLiteral("Zamknij bez zapisywania."), this);
    SpeedButton3 = newButton("SpeedButton3", QStringLiteral("Pomoc"), {}, this);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm190::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm190::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TForm190::SpeedButton3Click);
}

void TForm190::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyAutoScale(this);
    SpeedButton4->setEnabled(false);
}

// A settings file that cannot be written is reported and keeps the dialog open: what was
// written stays written, and the user may try again or cancel.
void TForm190::SpeedButton1Click()
{
    bool saved = false;
    if (runCommand([this, &saved] { saved = saveSettings(); }) && saved)
        accept();
}

bool TForm190::saveSettings()
{
    SettingsFile settings(paths_);
    settings.writeBool(AutoScaleKey, CheckBox1->isChecked());
    settings.writeBool(RememberRecentKey, CheckBox2->isChecked());
    settings.writeBool(ShowWelcomeKey, CheckBox3->isChecked());
    ProgramSettings& current = programSettings();
    current.ShowWelcome = CheckBox3->isChecked();
    current.RememberRecent = CheckBox2->isChecked();
    current.AutoScale = CheckBox1->isChecked();
    // What is written stays, also when a wrong password keeps the dialog open for "Anuluj".
    autoScaleAtOpen_ = current.AutoScale;
    mainWindowAtOpen_.reset();

    if (MaskEdit1->text().isEmpty() && MaskEdit2->text().isEmpty() && MaskEdit3->text().isEmpty())
        return true;
    if (!CheckPasswordFields())
        return false;
    // The current password with both new fields empty removes the password.
    current.AccessPasswordHash = settings.writeAccessPassword(MaskEdit2->text());
    return true;
}

void TForm190::SpeedButton2Click()
{
    reject();
}

void TForm190::reject()
{
    if (mainWindowAtOpen_)
        mainWindowAtOpen_->restore();
    programSettings().AutoScale = autoScaleAtOpen_;
    QDialog::reject();
}

void TForm190::SpeedButton3Click()
{
    requestHelp(OptionsHelpContext);
}

void TForm190::SpeedButton4Click()
{
    if (CheckBox1->isChecked()) {
        if (!mainWindowAtOpen_)
            mainWindowAtOpen_ = std::make_unique<ScaleSnapshot>(mainWindow_);
        const ScaleRatio ratio = ScreenScaleRatio(this);
        ScaleWidgetTree(this, ratio.m, ratio.d);
        ScaleWidgetTree(mainWindow_, ratio.m, ratio.d);
    }
    programSettings().AutoScale = CheckBox1->isChecked();
}

void TForm190::SpeedButton5Click()
{
    if (CheckPasswordFields())
        prompts().message(PasswordRight);
}

bool TForm190::CheckPasswordFields()
{
    if (!passwordMatches(programSettings().AccessPasswordHash, MaskEdit1->text())) {
        prompts().message(WrongPassword);
        for (QLineEdit* field : {MaskEdit1, MaskEdit2, MaskEdit3})
            field->clear();
        return false;
    }
    if (MaskEdit2->text() == MaskEdit3->text())
        return true;
    prompts().message(DifferentPasswords);
    MaskEdit2->clear();
    MaskEdit3->clear();
    return false;
}
