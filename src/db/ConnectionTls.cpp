#include "ConnectionTls.h"

#include <QFile>

#include <mysql.h>

TlsSettings ConnectionTls::s_settings;

void ConnectionTls::configure(const TlsSettings &settings) { s_settings = settings; }

const TlsSettings &ConnectionTls::current() { return s_settings; }

void ConnectionTls::apply(MYSQL *handle)
{
    const QByteArray ca = QFile::encodeName(s_settings.caFile);
    // With no CA the client library takes TLS when the server offers it and
    // goes on in clear when it does not.
    mysql_ssl_set(handle, nullptr, nullptr, ca.isEmpty() ? nullptr : ca.constData(), nullptr, nullptr);
    const my_bool verify = s_settings.verifies() ? 1 : 0;
    mysql_optionsv(handle, MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &verify);
}
