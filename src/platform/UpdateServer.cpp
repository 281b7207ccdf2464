#include "UpdateServer.h"

#ifndef QD_UPDATE_SERVER
#error "QD_UPDATE_SERVER comes from the build (src/platform/CMakeLists.txt)"
#endif

namespace {
QString &redirected()
{
    static QString address;
    return address;
}
} // namespace

QString UpdateServer::address() { return redirected().isNull() ? QString::fromUtf8(QD_UPDATE_SERVER) : redirected(); }

void UpdateServer::redirect(const QString &address) { redirected() = address; }
