#include "shell/template_dialog.h"

#include "base/prompts.h"
#include "documents/help_context.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPointer<TemplateDialog> current;

constexpr int HelpContext = 5130;
constexpr int IndexRole = Qt::UserRole;

const QStringList MemoTitles{
    QStringLiteral("Lokalizacja stanowiska pracy"), QStringLiteral("Opis miejsca, pomieszczenia pracy"),
    QStringLiteral("Opis procesu produkcji"), QStringLiteral("Maszyny, materiały, surowce"),
    QStringLiteral("Wymagane środki ochrony osobistej"), QStringLiteral("Inne")};

// The preview: the workstation, its description memos and its hazards with their sources.
QString previewOf(const WorkstationTemplate& chosen)
{
    const ProjectSnapshot& content = chosen.content;
    QString html = QStringLiteral("<h3>%1</h3>").arg(
        (content.workstation.isEmpty() ? chosen.title : content.workstation).toHtmlEscaped());
    for (int i = 0; i < int(content.workstationMemos.size()); ++i) {
        if (!content.workstationMemos[i].isEmpty())
            html += QStringLiteral("<p><b>%1:</b> %2</p>")
                        .arg(MemoTitles[i], content.workstationMemos[i].join(QLatin1Char(' ')).toHtmlEscaped());
    }
    html += QStringLiteral("<p><b>Zagrożenia (%1):</b></p><ol>").arg(content.hazards.size());
    for (const QStringList& row : content.hazards)
        html += QStringLiteral("<li>%1 <i>– %2</i></li>").arg(row.value(0).toHtmlEscaped(), row.value(1).toHtmlEscaped());
    return html + QStringLiteral("</ol>");
}

} // namespace

TemplateDialog* templateDialog()
{
    return current;
}

TemplateDialog::TemplateDialog(const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), paths_(paths)
{
    current = this;
    setWindowTitle(QStringLiteral("Nowy projekt z szablonu"));
    setHelpContext(this, HelpContext);
    list = new QTreeWidget(this);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setMinimumWidth(340);
    preview = new QTextBrowser(this);
    preview->setMinimumWidth(420);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(list);
    splitter->addWidget(preview);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({400, 560});

    auto* buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(QStringLiteral("O.K."), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    deleteButton = buttons->addButton(QStringLiteral("&Usuń szablon"), QDialogButtonBox::ActionRole);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(deleteButton, &QPushButton::clicked, this, &TemplateDialog::deleteChosen);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TemplateDialog::deleteChosen);
    connect(list, &QTreeWidget::currentItemChanged, this, &TemplateDialog::chosenChanged);
    connect(list, &QTreeWidget::itemActivated, this, [this] {
        if (chosen())
            accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);
    resize(980, 600);
    fill();
    list->setFocus();
}

TemplateDialog::~TemplateDialog() = default;

void TemplateDialog::fill()
{
    templates_ = listTemplates(paths_.templatesFolder(), paths_.userTemplatesFolder());
    list->clear();
    QTreeWidgetItem* groups[2] = {nullptr, nullptr};
    const QString groupTitles[2] = {QStringLiteral("Szablony programu"), QStringLiteral("Moje szablony")};
    for (int i = 0; i < templates_.size(); ++i) {
        const WorkstationTemplate& entry = templates_[i];
        QTreeWidgetItem*& group = groups[entry.own];
        if (!group) {
            group = new QTreeWidgetItem(list, {groupTitles[entry.own]});
            group->setFlags(Qt::ItemIsEnabled);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(group, {entry.own ? QStringLiteral("%1 (mój)").arg(entry.title) : entry.title});
        item->setData(0, IndexRole, i);
        item->setToolTip(0, entry.title + QLatin1Char('\n') + QDir::toNativeSeparators(entry.path));
    }
    list->expandAll();
    if (!templates_.isEmpty())
        choose(templates_.front().name);
    chosenChanged();
}

const WorkstationTemplate* TemplateDialog::chosen() const
{
    const QTreeWidgetItem* item = list->currentItem();
    if (!item || !item->data(0, IndexRole).isValid())
        return nullptr;
    return &templates_[item->data(0, IndexRole).toInt()];
}

bool TemplateDialog::choose(const QString& name)
{
    for (QTreeWidgetItemIterator it(list); *it; ++it) {
        const QVariant index = (*it)->data(0, IndexRole);
        if (index.isValid() && templates_[index.toInt()].name == name) {
            list->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

void TemplateDialog::chosenChanged()
{
    const WorkstationTemplate* entry = chosen();
    okButton->setEnabled(entry != nullptr);
    deleteButton->setEnabled(entry && entry->own);
    preview->setHtml(entry ? previewOf(*entry)
                           : templates_.isEmpty() ? QStringLiteral("<p>Nie znaleziono żadnego szablonu.</p>") : QString());
}

void TemplateDialog::deleteChosen()
{
    const WorkstationTemplate* entry = chosen();
    if (!entry || !entry->own
        || !prompts().question(QStringLiteral("Usunąć szablon „%1”?").arg(entry->name)))
        return;
    if (!QFile::remove(entry->path))
        prompts().message(QStringLiteral("Nie można usunąć pliku „%1”.").arg(QDir::toNativeSeparators(entry->path)),
                          Prompts::Icon::Error);
    fill();
}
