#pragma once
// BoundControl: a control that shows one stored field of a document model and writes the
// user's edits into it. The model is the document: the control keeps no value of its own,
// and a value the model takes by any other way (a load, a command, a picker) is shown at
// once. Showing a value is not an edit: the control's own change signals stay quiet then.

#include "model/document_fields.h"

class DocumentModel;

class BoundControl {
public:
    virtual ~BoundControl() = default;

    // From now on the control shows `field` of `model` and edits it. REQUIRES: the control
    // is a QObject (each kind of control is a widget), and `model` outlives it.
    void bind(DocumentModel* model, Field field);
    DocumentModel* documentModel() const { return model_; }
    Field field() const { return field_; }

protected:
    // Puts the model's value into the control.
    virtual void showField() = 0;
    // Connects the control's user edits to the model.
    virtual void connectEdits() = 0;

private:
    DocumentModel* model_ = nullptr;
    Field field_ = Field::Workstation;
};

// Binds `control` to a field of the document and returns it, so a window can create and
// bind a control in one expression.
template <class Control>
Control* bindTo(Control* control, DocumentModel* model, Field field)
{
    control->bind(model, field);
    return control;
}
