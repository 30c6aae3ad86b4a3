#include "shell/copy_hazards_dialog.h"

#include "base/prompts.h"
#include "documents/document_window.h"
#include "documents/help_context.h"
#include "model/document_model.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPointer<CopyHazardsDialog> current;

constexpr int HelpContext = 5130;
const QString AlreadyThere = QStringLiteral("już w tabeli");

QList<int> ticked(const QTreeWidget* list)
{
    QList<int> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked)
            rows.append(i);
    }
    return rows;
}

} // namespace

CopyHazardsDialog* copyHazardsDialog()
{
    return current;
}

CopyHazardsDialog::CopyHazardsDialog(const CopyOffer& offer, const QString& sourceFile, QWidget* parent)
    : QDialog(parent)
{
    current = this;
    setWindowTitle(QStringLiteral("Kopiuj zagrożenia z %1").arg(QFileInfo(sourceFile).fileName()));
    setHelpContext(this, HelpContext);
    tabs = new QTabWidget(this);
    hazards = addList(QStringLiteral("&Zagrożenia"), {QStringLiteral("Zagrożenie"), QStringLiteral("Źródło zagrożenia")},
                      offer.hazards, &allHazards);
    checklist = addList(QStringLiteral("&Lista kontrolna"),
                        {QStringLiteral("Pytanie"), QStringLiteral("Działania korygujące")}, offer.checklist,
                        &allChecklist);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Kopiuj"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QDir::toNativeSeparators(sourceFile), this));
    layout->addWidget(tabs, 1);
    layout->addWidget(buttons);
    resize(860, 520);
    hazards->setFocus();
}

CopyHazardsDialog::~CopyHazardsDialog() = default;

QTreeWidget* CopyHazardsDialog::addList(const QString& caption, const QStringList& titles,
                                        const QList<OfferedRow>& rows, QCheckBox** all)
{
    auto* page = new QWidget(tabs);
    *all = new QCheckBox(QStringLiteral("zaznacz &wszystkie"), page);
    auto* list = new QTreeWidget(page);
    list->setHeaderLabels(titles + QStringList{QString()});
    list->setRootIsDecorated(false);
    list->setWordWrap(true);
    list->header()->resizeSection(0, 380);
    list->header()->resizeSection(1, 300);
    for (const OfferedRow& row : rows) {
        auto* item = new QTreeWidgetItem(list, {row.cells.value(0), row.cells.value(1),
                                                row.alreadyInTarget ? AlreadyThere : QString()});
        item->setCheckState(0, row.alreadyInTarget ? Qt::Unchecked : Qt::Checked);
        item->setToolTip(0, row.cells.value(0));
        item->setToolTip(1, row.cells.value(1));
    }
    (*all)->setChecked(!rows.isEmpty() && ticked(list).size() == rows.size());
    QCheckBox* box = *all;
    connect(box, &QCheckBox::clicked, list, [list](bool checked) {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            list->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    });
    connect(list, &QTreeWidget::itemChanged, box,
            [box, list] { box->setChecked(ticked(list).size() == list->topLevelItemCount()); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(box);
    layout->addWidget(list, 1);
    tabs->addTab(page, caption + QStringLiteral(" (%1)").arg(rows.size()));
    return list;
}

QList<int> CopyHazardsDialog::tickedHazards() const
{
    return ticked(hazards);
}

QList<int> CopyHazardsDialog::tickedChecklist() const
{
    return ticked(checklist);
}

namespace copy_rows {

void copyRowsInto(DocumentWindow* window, const QString& folder)
{
    if (!window)
        return;
    const QString source = prompts().openFileName(QStringLiteral("Kopiuj zagrożenia z"), folder,
                                                  QStringLiteral("Projekt lub ocena ryzyka (*.rpr *.ron)"));
    if (source.isEmpty())
        return;
    const CopyOffer offer = offerRowsFrom(source, window->document());
    CopyHazardsDialog dialog(offer, source, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<int> hazards = dialog.tickedHazards();
    appendOfferedRows(window->document(), offer, hazards, dialog.tickedChecklist());
    if (!hazards.isEmpty() && !offer.ratingsLeftOut.isEmpty())
        prompts().message(offer.ratingsLeftOut, Prompts::Icon::Information);
}

} // namespace copy_rows
