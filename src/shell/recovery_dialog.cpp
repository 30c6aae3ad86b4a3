#include "shell/recovery_dialog.h"

#include "base/regional_format.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const QList<RecoveryCopy>& copies, QWidget* parent)
    : QDialog(parent)
    , choices_(copies.size(), Choice::Undecided)
    , list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("RecoveryDialog"));
    setWindowTitle(QStringLiteral("Odzyskiwanie niezapisanych zmian"));
    auto* text = new QLabel(
        QStringLiteral("Program nie został ostatnio zamknięty prawidłowo. Zachowały się kopie dokumentów "
                       "ze zmianami, które nie zostały zapisane.\n\n"
                       "„Przywróć” otwiera zaznaczone dokumenty z tymi zmianami; zapisz je, aby je zachować. "
                       "„Odrzuć” usuwa ich kopie. Kopie, o których nie zdecydujesz, zostaną zaproponowane "
                       "przy następnym uruchomieniu programu."),
        this);
    text->setWordWrap(true);

    list_->setHeaderLabels({QStringLiteral("Dokument"), QStringLiteral("Czas kopii")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const RecoveryCopy& copy : copies) {
        const QDateTime time = copy.time.toLocalTime();
        new QTreeWidgetItem(list_, {QDir::toNativeSeparators(copy.document),
                                    regional::formatDate(time.date()) + QLatin1Char(' ') +
                                        regional::formatTime(time.time())});
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    selectShown();

    auto* buttons = new QDialogButtonBox(this);
    restore_ = buttons->addButton(QStringLiteral("Przywróć"), QDialogButtonBox::AcceptRole);
    discard_ = buttons->addButton(QStringLiteral("Odrzuć"), QDialogButtonBox::DestructiveRole);
    restore_->setDefault(true);
    connect(restore_, &QPushButton::clicked, this, [this] { decide(Choice::Restore); });
    connect(discard_, &QPushButton::clicked, this, [this] { decide(Choice::Discard); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &RecoveryDialog::selectionChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(640, 320);
}

void RecoveryDialog::decide(Choice choice)
{
    for (QTreeWidgetItem* item : list_->selectedItems()) {
        choices_[list_->indexOfTopLevelItem(item)] = choice;
        item->setHidden(true);
    }
    if (!choices_.contains(Choice::Undecided)) {
        accept();
        return;
    }
    selectShown();
}

void RecoveryDialog::selectShown()
{
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setSelected(!item->isHidden());
    }
}

void RecoveryDialog::selectionChanged()
{
    const bool any = !list_->selectedItems().isEmpty();
    restore_->setEnabled(any);
    discard_->setEnabled(any);
}
