#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Where jobs are kept besides their own files: the recovery copy of an unsaved job, and the list of
// recent jobs in the settings store.
namespace Recovery {

// How many copies set aside are kept; older ones go.
inline constexpr int kKeptAside = 5;

// $XDG_STATE_HOME/Mortarix, or ~/.local/state/Mortarix when the variable is unset or not absolute.
QString folder();
// The one recovery copy: folder()/recovery.mortarix.
QString copyPath();
// Moves the recovery copy aside to "recovery-<yyyyMMdd-HHmmss>.mortarix" (made at `when`), then
// removes all but the kKeptAside newest copies set aside. Returns the new path, or empty when
// there was no copy or it could not be moved.
QString setAside(const QDateTime &when);

} // namespace Recovery

namespace RecentJobs {

inline constexpr int kMaxJobs = 8;

// The recent jobs' paths, newest first (settings section "RecentJobs", keys "Job(0)" ...).
QStringList load();
void save(const QStringList &paths);
// `paths` with `path` put first (once) and at most kMaxJobs entries.
QStringList withFirst(QStringList paths, const QString &path);

} // namespace RecentJobs
