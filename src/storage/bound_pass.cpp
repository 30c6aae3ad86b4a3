#include "storage/bound_pass.h"

#include "storage/bound_control.h"

void ReadPass(const QList<BoundControl*>& controls)
{
    for (BoundControl* control : controls)
        control->ReadIni();
}

void WritePass(const QList<BoundControl*>& controls)
{
    for (BoundControl* control : controls)
        control->WriteIni();
}
