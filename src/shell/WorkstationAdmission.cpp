#include "WorkstationAdmission.h"

#include "DBErrorBox.h"
#include "MessageBoxes.h"
#include "MySQLError.h"
#include "NetworkAdapters.h"
#include "SettingsStore.h"
#include "ShellUtils.h"
#include "cMySQL.h"
#include "modMySQL_Func.h"

QString GetDBHostName()
{
    return GetSetting(QStringLiteral("Tallow 업무관리"), QStringLiteral("Config"), QStringLiteral("DB_IP"),
                      QString(QLatin1String("")));
}

TlsSettings GetDBTlsSettings()
{
    TlsSettings settings;
    settings.required = GetSetting(g_sAppTitle, QStringLiteral("Config"), QStringLiteral("DB_TLS_REQUIRED"),
                                   QStringLiteral("0"))
                            .trimmed()
                        == QLatin1String("1");
    settings.caFile =
        GetSetting(g_sAppTitle, QStringLiteral("Config"), QStringLiteral("DB_TLS_CA"), QString()).trimmed();
    return settings;
}

QString GetMyMacAddress()
{
    QString address = NetworkAdapters::firstAddress();
    address.remove(QLatin1Char('-'));
    address.remove(QLatin1Char(':'));
    return address;
}

QString GetAllowMyPC()
{
    QString result = QString(QLatin1String(""));
    try {
        const QString mac = GetMyMacAddress();
        cMySQL connection(ShowDBError);
        if (connection.real_connect(GetDBHostName(), DBAccount::User, DBAccount::Password, DBAccount::Database, 3306,
                                    QString(), 0, false)) {
            // The address comes from the adapter list, not from a person; it is
            // still escaped so that no text can change the statement.
            RecordsetPtr rows = connection.query(QStringLiteral("SELECT user_id FROM user_mac")
                                                 + QStringLiteral(" WHERE mac_addr = '") + SQLEscaped(mac)
                                                 + QLatin1Char('\'') + QStringLiteral(" AND block = 0"));
            if (connection.affected_rows() > 0 && rows && !rows->Eof())
                result = rows->Fields(QStringLiteral("user_id"));
            CloseRecordset(rows);
        }
    } catch (const MySQLError &e) {
        ShowProcError(e.number(), e.description(), QStringLiteral("GetAllowMyPC"),
                      QStringLiteral("Module modTallowDBConsts"));
    }
    return result;
}
