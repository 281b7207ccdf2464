#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Keeps the updater current and lets it run at every start. The updater
// ("AutoUpdateV1") leaves a newer program file beside this one as "New_" + its
// name; the file changer ("filechanger") swaps the two once this program has
// ended. Both live in the program folder; this module only starts them, and
// replaces them only with files the deployer signed (UpdateSignature); each
// refusal goes to the update log.

// Refreshes the updater (unless skip), runs it and waits; when a new program
// file has arrived, starts the file changer and ends the program.
void RunAutoUpdate(bool skip);
// True when the local updater is current, or was refreshed together with the
// file changer.
bool AutoUpdaterSelfUpdate();
// The first 20 bytes of the resource at the address (fetched from the server,
// never from a cache), decoded as CP949; "" on any failure.
QString ReadUrlText(const QString &address);
// Stores the resource at the address into the file at path, replacing it; the
// file appears only once complete, and, given a check, only when the check
// accepts the whole content. True when stored.
using ContentCheck = std::function<bool(const QByteArray &content)>;
bool DownloadToFile(const QString &address, const QString &path, const ContentCheck &accept = {});

// The server's folder of the updater and file changer: server + "download/자동업데이트_v1/".
QString UpdateDownloadFolder();
