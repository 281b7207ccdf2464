#include "ProcSteps.h"

#include "MessageBoxes.h"

void ProcSteps::report(long number, const QString &description) const
{
    ShowProcError(number, description, m_procedure, m_owner);
}
