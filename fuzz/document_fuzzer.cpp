// Fuzzes a document through its window. Arbitrary bytes are read as a risk assessment into
// the bound controls of an assessment window, which saves them with the merge sequence
// (reload from disk, write pass, write); a second window reads the saved file and must show
// the same as the first. Every hazard row is then rated with each of the four methods.

#include "base/app_error.h"
#include "base/prompts.h"
#include "documents/assessment_window.h"
#include "documents/document_host.h"
#include "model/document_model.h"
#include "risk/risk_method.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "document_fuzzer: %s\n", what);
        std::abort();
    }
}

class Host : public DocumentHost {
public:
    bool Save(QWidget*) override { return false; }
    void setRowCommandsEnabled(bool) override {}
    void setReportEnabled(bool) override {}
};

// Nothing here asks the user anything; a message is let pass, a question is answered No.
class SilentPrompts : public Prompts {
public:
    void message(const QString&, Icon, const QString&) override {}
    bool question(const QString&, const QString&, Icon) override { return false; }
    Answer questionWithCancel(const QString&, const QString&) override { return Answer::Cancel; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString text(const QString&, const QString&, bool, bool* ok) override
    {
        *ok = false;
        return {};
    }
};

struct Setting {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("ocena.ron"));
    Host host;
    SilentPrompts prompts;
};

Setting* setting = nullptr;

// The open sequence of a window on an existing file: what its controls then show. A file
// without a single section is no document and is not shown at all.
std::optional<AssessmentSnapshot> open(TForm5& window, const QString& path)
{
    if (!window.openFile(path))
        return std::nullopt;
    return window.document().assessmentValue();
}

// Rates a hazard row with `method` as the picker does after a choice; a factor that is no
// number is refused with an error, which is the expected answer to such a cell.
void rate(RiskMethod method, QStringList cells, const QString& employees)
{
    const risk::HazardColumns columns = risk::hazardColumns(method);
    while (cells.size() < columns.count)
        cells.append(QString());
    try {
        if (const std::optional<QString> text = risk::ObliczWiersz(method, cells, employees))
            check(text->startsWith(QStringLiteral("R = ")), "a risk text does not start with \"R = \"");
    } catch (const AppError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    setting = new Setting;
    setPrompts(&setting->prompts);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString& path = setting->path;
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the document cannot be written");
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    std::optional<AssessmentSnapshot> shown;
    {
        TForm5 window(&setting->host);
        try {
            shown = open(window, path);
        } catch (const AppError&) {
            return 0; // a control refused what the file holds: nothing was bound or saved
        }
        if (!shown)
            return 0;
        window.saveFile(path);
    }

    TForm5 reopened(&setting->host);
    const std::optional<AssessmentSnapshot> reread = open(reopened, path);
    check(reread && *reread == *shown, "the saved document does not show what was read");

    for (const QStringList& row : reread->hazards)
        for (int method = 0; method < 4; ++method)
            rate(risk::methodFromIndex(method), row, reread->employees);
    return 0;
}
