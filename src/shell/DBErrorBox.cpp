#include "DBErrorBox.h"

#include "MessageBoxes.h"

#include <QCoreApplication>

void ShowDBError(const DBError &error)
{
    MessageRequest request{error.text(), QString(), MsgButtons::Ok, MsgIcon::None, MsgOk};
    if (error.kind == DBError::Kind::SQLLog)
        request.icon = MsgIcon::Exclamation;
    if (error.kind == DBError::Kind::Procedure)
        request.title = QCoreApplication::applicationName();
    MessageBoxes::show(request);
}
