#include "DuplicateCheck.h"

#include "MessageBoxes.h"
#include "ShellUtils.h"
#include "modMySQL_Func.h"

bool CheckDuplicate(const QString &table, const QString &column, QString value, const QString &extra, bool ask,
                    const QString &label, const QString &display)
{
    QString condition = column + QStringLiteral("='") + SQLEscape(value) + QLatin1Char('\'');
    if (!extra.isEmpty())
        condition += QStringLiteral(" AND ") + extra;
    const int count = DBCount(table, condition);
    if (count == 0)
        return false;
    if (!ask || count < 0)
        return true; // taken, or not known to be free
    const QString shown = display.isEmpty() ? value : display;
    return AskYesNo(QStringLiteral("『") + shown + QStringLiteral("』는 이미 등록된 ") + label
                        + QStringLiteral("입니다.\r\n\r\n그래도, 등록하시겠습니까?"),
                    QStringLiteral("동일 ") + label + QStringLiteral(" 발견"), false)
           == MsgNo;
}
