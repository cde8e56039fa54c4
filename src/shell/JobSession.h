#pragma once

#include "core/Job.h"

#include <QMap>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

class MainWindow;
class QMenu;

// The job the main window shows: what it holds (captured from and applied to the pages, the totals
// and the notes), its file, whether it has unsaved changes, the File menu's job commands, and the
// recovery copy that keeps an unsaved job safe from a crash.
class JobSession final : public QObject
{
    Q_OBJECT

public:
    // How long after the last change the recovery copy is written.
    static constexpr int kRecoveryDelayMs = 2000;

    // Made once the window's pages are built and loaded: what they show then is a new job.
    JobSession(MainWindow *window, QMenu *recentJobs);
    ~JobSession() override;

    // Everything the window shows of the job now.
    Job capture() const;
    // Shows `job` in place of the one shown: pages, totals (recomputed), records, notes, details.
    void apply(const Job &job);

    bool isModified() const { return m_modified; }
    QString fileName() const { return m_fileName; }
    JobDetails details() const { return m_details; }
    // The order list's "cores filled": part of the job, so a change is a change to it.
    bool coresFilled() const { return m_coresFilled; }
    void setCoresFilled(bool filled);
    // What each Send posted, by totals row.
    QList<PostedRecord> postedRecords() const { return m_posted.values(); }

    // The File menu's commands.
    void newJob();
    void openJob();
    bool saveJob();
    bool saveJobAs();
    void editDetails();
    void openRecentJob(const QString &path);
    // A job named from outside (the command line, another start of the program): the window comes
    // to the front, unsaved changes are asked about, then the job opens.
    void openFromOutside(const QString &path);

    // Saves to `path`, which becomes the job's file: false, with the reason reported, when it could
    // not be written.
    bool saveTo(const QString &path);
    // Reads the job at `path` and shows it; a file that is no job is reported and nothing changes.
    bool openFile(const QString &path);

    // Asks whether to save unsaved changes: false when the user cancelled or the save failed.
    bool settleChanges();

    // After start-up: offers the recovery copy a run that did not end normally left behind.
    void offerRecovery();
    // The program ends normally: the recovery copy goes.
    void endNormally();
    // Writes the recovery copy now, when there are unsaved changes (else after the delay): the
    // window only gathers the job; serialising and writing run on a thread of their own.
    void writeRecoveryCopy();
    // Waits until recovery copies already handed to the writer are on disk (or gone).
    void waitForRecoveryWrites();

signals:
    void modifiedChanged(bool modified);

private:
    void connectMenu(QMenu *recentJobs);
    void watchForChanges();
    void markModified();
    void setModified(bool modified);
    void updateCaption();
    QString displayName() const;
    void rememberRecent(const QString &path);
    void fillRecentMenu();
    void removeRecoveryCopy();

    MainWindow *m_window;
    QMenu *m_recentMenu = nullptr;
    // The pages as a new job shows them.
    Job m_blank;
    JobDetails m_details;
    QMap<int, PostedRecord> m_posted;
    QString m_fileName;
    bool m_coresFilled = false;
    bool m_modified = false;
    bool m_applying = false;
    QTimer m_recoveryTimer;
    // One thread writes recovery copies, one at a time in order, so typing never waits for a disk.
    QThreadPool m_recoveryWriter;
};
