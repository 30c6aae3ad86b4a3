#include "controls/bound_control.h"

#include "model/document_model.h"

#include <QSignalBlocker>

void BoundControl::bind(DocumentModel* model, Field field)
{
    model_ = model;
    field_ = field;
    auto* self = dynamic_cast<QObject*>(this);
    Q_ASSERT(self);
    const auto show = [this, self] {
        const QSignalBlocker quiet(self);
        showField();
    };
    QObject::connect(model, &DocumentModel::fieldChanged, self, [this, show](Field changed) {
        if (changed == field_)
            show();
    });
    QObject::connect(model, &DocumentModel::loaded, self, show);
    show();
    connectEdits();
}
