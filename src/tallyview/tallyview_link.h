#pragma once
// Talking to the statistics viewer Tallyview. One viewer runs per user: it listens on a named
// local socket, named after its window class "TFormMain" and caption "Статистика поверок", and
// takes plain text lines: "show" (come to the front maximised), "quit", and "open <path>".

#include <QString>
#include <QStringList>

namespace zel {

// The viewer's socket name for the current user ($ZELMARK_TALLYVIEW_SOCKET replaces the usual
// name, for tests and separate set-ups).
QString TallyviewSocketName();

// Sends the lines to the viewer listening on socketName; false when none listens there.
bool SendToTallyview(const QString& socketName, const QStringList& lines);

// Asks the running viewer to show itself maximised; false when no viewer runs.
bool RaiseTallyview();
// Asks the running viewer to quit; false when no viewer runs.
bool QuitTallyview();
// Starts programDir + "/tallyview" detached, without arguments; false when it could not start.
bool StartTallyview(const QString& programDir);

}  // namespace zel
