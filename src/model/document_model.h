#pragma once
// DocumentModel: the data of one project or one risk assessment, with no widget in it. The
// document windows show it and change it; the reports and the command line read its value.
// It loads from and saves to the in-memory copy of a document file field by field, as the
// field table declares them (document_fields.h), and it alone decides whether the document
// differs from what was last loaded or saved: every change of a stored value marks it
// modified, a change to the value it already has does not.
//
// An assessment's hazard table has the columns of its method (risk::hazardColumns), a
// project's the four descriptions and S; the checklist has the question and the corrective
// action, and in an assessment the answer.

#include "model/document_fields.h"
#include "model/document_snapshot.h"
#include "risk/risk_method.h"

#include <QDate>
#include <QHash>
#include <QObject>

class DocumentTable;
class TMemIniFile;

class DocumentModel : public QObject {
    Q_OBJECT
public:
    explicit DocumentModel(DocumentKind kind, QObject* parent = nullptr);

    DocumentKind kind() const { return kind_; }
    const QList<StoredField>& fields() const { return documentFields(kind_); }

    // The document's full path, as the window's caption shows it.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }

    // A Line field's text.
    QString text(Field field) const;
    void setText(Field field, const QString& text);
    // A Memo field's paragraphs (an empty memo has none).
    QStringList lines(Field field) const;
    void setLines(Field field, const QStringList& lines);
    // A Choice field's entry: an index into its choices, -1 for none.
    int choice(Field field) const;
    void setChoice(Field field, int index);
    DocumentTable& table(Field field) const;
    DocumentTable& hazards() const { return table(Field::Hazards); }
    DocumentTable& checklist() const { return table(Field::Checklist); }

    RiskMethod method() const;
    // Whether the hazard table's cell is a factor cell holding a text that is not an entry
    // of the method's scale.
    bool isOffScale(int column, int row) const;
    // Writes the risk text of hazard row `row` (1 or more) from its factors, or empties the
    // risk cell when they give no risk (no method, a factor empty or off the method's scale).
    // Throws AppError on a FIVE STEPS count that is not a number; nothing changes then.
    void recomputeRow(int row);
    // recomputeRow for every data row, stopping at the first error, which is thrown.
    void recomputeAllRows();

    // An assessment's action plan and residual ratings (action_plan.h).
    DocumentTable& plan() const { return table(Field::Plan); }
    DocumentTable& residual() const { return table(Field::Residual); }
    // Gives hazard row `hazardRow` the residual rating `text` in `factor`'s column (a new
    // residual row when it has none) and computes its residual risk as recomputeRow does.
    // Throws as recomputeRow does, with the rating kept.
    void setResidualRating(int hazardRow, risk::Factor factor, const QString& text);
    // The risk text of residual row `row` from its ratings, or an empty cell when they give
    // none. Throws as recomputeRow does; nothing changes then.
    void recomputeResidual(int row);

    // An assessment's workers informed of the risk (workers.h).
    DocumentTable& workers() const { return table(Field::Workers); }
    // Whether a rating, the hazard table or the plan changed since the document was last
    // loaded or saved (since it was last unmodified).
    bool riskChanged() const { return riskChanged_; }
    // Called before a save: after a change of risk the date of the last change of risk
    // becomes `today`; otherwise it stays as it is.
    void stampRiskChange(QDate today);

    // Replaces every field by what `file` holds (a missing key gives the field's default).
    // In an assessment, the risk of a row with a factor off the method's scale is emptied:
    // it was computed from a value the method does not have. The document is then
    // unmodified; loaded() tells the views.
    void load(const TMemIniFile& file);
    // Writes every field into `file`, in placing order, merged into what it holds.
    void save(TMemIniFile& file) const;

    bool isModified() const { return modified_; }
    // An unmodified document (just loaded or saved) has no change of risk either.
    void setModified(bool modified);

    // The document's data as plain values.
    ProjectSnapshot projectValue() const;
    AssessmentSnapshot assessmentValue() const;

signals:
    // A field took a new value by one of the setters (a table's own edits come from it).
    void fieldChanged(Field field);
    void loaded();
    void modifiedChanged(bool modified);

private:
    void edited(Field field);

    const DocumentKind kind_;
    QString fileName_;
    QHash<Field, QString> texts_;
    QHash<Field, QStringList> memos_;
    // How many paragraphs each memo had in the file it was loaded from: a save removes the
    // ones beyond the new end.
    QHash<Field, int> memoLinesLoaded_;
    QHash<Field, int> choices_;
    QHash<Field, DocumentTable*> tables_;
    bool modified_ = false;
    bool loading_ = false;
    bool riskChanged_ = false;
};
