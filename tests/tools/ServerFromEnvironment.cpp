// Linked into the programs built for the tests only: the download server and
// the update key are taken from the environment variables QD_UPDATE_SERVER and
// QD_UPDATE_KEY when the program starts.
#include "UpdateServer.h"

namespace {
const bool pointed = [] {
    if (qEnvironmentVariableIsSet("QD_UPDATE_SERVER"))
        UpdateServer::redirect(qEnvironmentVariable("QD_UPDATE_SERVER"));
    if (qEnvironmentVariableIsSet("QD_UPDATE_KEY"))
        UpdateServer::redirectKeys(qEnvironmentVariable("QD_UPDATE_KEY"));
    return true;
}();
} // namespace
