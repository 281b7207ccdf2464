// Linked into the updater built for the tests only: the download server is
// taken from the environment variable QD_UPDATE_SERVER when the program starts.
#include "UpdateServer.h"

namespace {
const bool pointed = [] {
    if (qEnvironmentVariableIsSet("QD_UPDATE_SERVER"))
        UpdateServer::redirect(qEnvironmentVariable("QD_UPDATE_SERVER"));
    return true;
}();
} // namespace
