#pragma once

#include <QString>

class InstanceDoorbell;

// `--support-report FILE`: the running window of this user writes the report when there is one, with its link
// history; otherwise this process writes one without. Needs no display. Says on the terminal what it did and returns
// the exit status.
int writeSupportReportFromTerminal(const QString& path, const QString& doorbellName);

// Lets a later `--support-report` have this instance's report through its doorbell.
void answerSupportReportRequests(InstanceDoorbell& doorbell);
