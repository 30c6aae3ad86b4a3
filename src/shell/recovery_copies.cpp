#include "shell/recovery_copies.h"

#include "base/app_error.h"
#include "base/error_boundary.h"
#include "base/prompts.h"
#include "documents/document_window.h"
#include "model/document_model.h"
#include "shell/file_commands.h"
#include "shell/recovery_dialog.h"
#include "storage/ini_dat.h"

#include <QWidget>

namespace {

constexpr std::chrono::seconds DefaultInterval{20};

} // namespace

RecoveryCopies::RecoveryCopies(FileCommands* files, const QString& folder, QWidget* parent)
    : QObject(parent), files_(files), store_(folder)
{
    connect(&timer_, &QTimer::timeout, this, &RecoveryCopies::writeNow);
    timer_.start(DefaultInterval);
}

RecoveryCopies::~RecoveryCopies()
{
    for (const DocumentWindow* window : copies_.keys())
        remove(window);
}

void RecoveryCopies::setInterval(std::chrono::milliseconds interval)
{
    timer_.start(interval);
}

RecoveryCopies::Copy& RecoveryCopies::copyOf(DocumentWindow* window)
{
    if (auto found = copies_.find(window); found != copies_.end())
        return *found;
    connect(&window->document(), &DocumentModel::modifiedChanged, this, [this, window](bool modified) {
        if (!modified)
            remove(window);
    });
    connect(window, &QObject::destroyed, this, [this, window] {
        remove(window);
        copies_.remove(window);
    });
    return *copies_.insert(window, Copy{RecoveryStore::nameOf(++lastNumber_), std::nullopt});
}

void RecoveryCopies::write(DocumentWindow* window)
{
    const std::optional<QByteArray> content = window->unsavedContent();
    if (!content)
        return;
    Copy& copy = copyOf(window);
    const QString& document = window->file().FileName();
    const size_t hash = qHashMulti(0, *content, document);
    if (copy.contentHash == hash)
        return;
    store_.write({copy.name, document, window->Extension, {}}, *content);
    copy.contentHash = hash;
}

void RecoveryCopies::remove(const DocumentWindow* window)
{
    const auto found = copies_.find(window);
    if (found == copies_.end() || !found->contentHash)
        return;
    store_.remove(found->name);
    found->contentHash.reset();
}

void RecoveryCopies::writeNow()
{
    for (DocumentWindow* window : files_->documentWindows()) {
        if (!window->document().isModified())
            continue;
        try {
            write(window);
        } catch (const AppError& error) {
            // Told once: the timer would repeat it every few seconds.
            if (std::exchange(failureShown_, true))
                continue;
            prompts().message(QStringLiteral("Nie można zapisać kopii zapasowej niezapisanych zmian, więc po awarii "
                                             "programu mogą one zostać utracone. Zapisuj dokumenty często.\r")
                                  + error.text(),
                              Prompts::Icon::Warning);
        }
    }
}

void RecoveryCopies::offerLeftCopies()
{
    const QList<RecoveryCopy> left = store_.leftCopies();
    if (left.isEmpty())
        return;
    RecoveryDialog dialog(left, qobject_cast<QWidget*>(parent()));
    dialog.exec();
    for (qsizetype i = 0; i < left.size(); ++i) {
        if (dialog.choices()[i] == RecoveryDialog::Choice::Restore)
            runCommand([this, &copy = left[i]] { restore(copy); });
        else if (dialog.choices()[i] == RecoveryDialog::Choice::Discard)
            store_.remove(left[i].name);
    }
}

void RecoveryCopies::restore(const RecoveryCopy& copy)
{
    DocumentWindow* window = files_->RestoreDocument(copy.document, copy.extension, store_.content(copy.name));
    // The restored work gets a copy of this run before the one it came from goes.
    write(window);
    store_.remove(copy.name);
}
