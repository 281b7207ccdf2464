#pragma once
#include "ConnectionTls.h"

#include <QString>

// The database host and the admission of this workstation.

// The host of the business database, as the business-management product keeps
// it for the current user ("host" or "host:port"); "" when absent.
QString GetDBHostName();
// How the connections use TLS, from the program's own settings (section
// "Config"): "DB_TLS_REQUIRED" = 1 refuses a server without TLS or with a
// certificate that does not verify; "DB_TLS_CA" names the CA file the
// server's certificate is verified against (and requires TLS).
TlsSettings GetDBTlsSettings();
// This machine's adapter address without separators ("001A2B3C4D5E"), or "".
QString GetMyMacAddress();
// The operator login ID bound to this workstation, or "" when it is not admitted.
QString GetAllowMyPC();

// The fixed account of the program.
namespace DBAccount {
inline const QString User = QStringLiteral("twbusiness");
inline const QString Password = QStringLiteral("kpvr5820");
inline const QString Database = QStringLiteral("businesslog");
} // namespace DBAccount
