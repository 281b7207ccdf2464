#include "LoginStore.h"

#include "WorkstationAdmission.h"
#include "modMySQL_Func.h"

QString LoginStore::admittedOperatorId() { return GetAllowMyPC(); }

OperatorLookup LoginStore::findOperator(const QString &id, const QString &password)
{
    const QString sql = QStringLiteral("SELECT `name`,`level`, jangbu_user, now()") + QStringLiteral(" FROM `user`")
                        + QStringLiteral(" WHERE `id` = '") + SQLEscaped(id) + QLatin1Char('\'')
                        + QStringLiteral(" AND `password` = '") + SQLEscaped(password) + QLatin1Char('\'')
                        + QStringLiteral(" AND `hidden` <> 1") + QStringLiteral(" AND sale_user = 1");
    RecordsetPtr rows;
    const int count = DBQuery(rows, sql);
    OperatorLookup found;
    if (count < 0 || !rows)
        return found;
    if (count < 1 || rows->Eof()) {
        found.outcome = OperatorLookup::Outcome::NoMatch;
        return found;
    }
    found.outcome = OperatorLookup::Outcome::Found;
    found.name = rows->Fields(QStringLiteral("name"));
    found.level = static_cast<short>(rows->Fields(QStringLiteral("level")).toInt());
    found.serverNow = rows->Fields(QStringLiteral("now()"));
    return found;
}
