#include "shell/JobSession.h"

#include "calculators/CalculatorPage.h"
#include "core/AppInfo.h"
#include "core/JobPlaces.h"
#include "editor/EditorPage.h"
#include "platform/Desktop.h"
#include "shell/JobDetailsDialog.h"
#include "shell/MainWindow.h"
#include "shell/ShellMessages.h"
#include "totals/TotalsGrid.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <utility>

namespace {

const QString kJobFilter = QStringLiteral("Mortarix Jobs (*.mortarix)|*.mortarix");

QString askForJobFile(QWidget *parent, const QString &title, const QString &fileName, bool save)
{
    Desktop &desktop = Desktop::instance();
    const QString folder =
        fileName.isEmpty() ? desktop.documentsFolder() : QFileInfo(fileName).absolutePath();
    return desktop.askForFileAside(parent, {fileName, title, kJobFilter, 1, folder, true, !save}, save);
}

} // namespace

JobSession::JobSession(MainWindow *window, QMenu *recentJobs) : QObject(window), m_window(window)
{
    m_blank = capture();
    m_details.estimateDate = QDate::currentDate();
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(kRecoveryDelayMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &JobSession::writeRecoveryCopy);
    m_recoveryWriter.setMaxThreadCount(1);
    connectMenu(recentJobs);
    watchForChanges();
    updateCaption();
}

JobSession::~JobSession()
{
    waitForRecoveryWrites();
}

void JobSession::connectMenu(QMenu *recentJobs)
{
    m_recentMenu = recentJobs;
    const auto on = [this](const char *name, auto command) {
        connect(m_window->menuAction(QLatin1String(name)), &QAction::triggered, this, command);
    };
    on("mnuNewJob", [this] { newJob(); });
    on("mnuOpenJob", [this] { openJob(); });
    on("mnuSaveJob", [this] { saveJob(); });
    on("mnuSaveJobAs", [this] { saveJobAs(); });
    on("mnuJobDetails", [this] { editDetails(); });
    connect(m_recentMenu, &QMenu::aboutToShow, this, &JobSession::fillRecentMenu);
    fillRecentMenu();
}

void JobSession::watchForChanges()
{
    for (CalculatorPage *page : m_window->calculators()) {
        for (QLineEdit *line : page->findChildren<QLineEdit *>())
            connect(line, &QLineEdit::textChanged, this, &JobSession::markModified);
        for (QComboBox *list : page->findChildren<QComboBox *>())
            connect(list, &QComboBox::currentTextChanged, this, &JobSession::markModified);
        for (QRadioButton *option : page->findChildren<QRadioButton *>())
            connect(option, &QRadioButton::toggled, this, &JobSession::markModified);
        connect(page, &CalculatorPage::posted, this, [this](const PostedRecord &record) {
            m_posted.insert(record.row, record);
            markModified();
        });
    }
    connect(m_window->editor(), &EditorPage::notesEdited, this, &JobSession::markModified);
}

Job JobSession::capture() const
{
    Job job;
    job.details = m_details;
    for (const CalculatorPage *page : m_window->calculators()) {
        job.fields.insert(page->fieldTexts());
        job.options.insert(page->optionChoices());
    }
    const TotalsGrid *grid = m_window->totalsGrid();
    for (int row = TotalsGrid::kFirstCalculatorRow; row <= TotalsGrid::kLastCalculatorRow; ++row)
        job.totals.append(
            {row, grid->cell(row, TotalsGrid::kLabourColumn), grid->cell(row, TotalsGrid::kMaterialColumn)});
    job.posted = m_posted.values();
    job.coresFilled = m_coresFilled;
    job.notes = m_window->editor()->notes();
    job.fileName = m_fileName;
    return job;
}

void JobSession::apply(const Job &job)
{
    const QScopedValueRollback applying(m_applying, true);
    for (CalculatorPage *page : m_window->calculators())
        page->restore(job.fields, job.options);
    TotalsGrid *grid = m_window->totalsGrid();
    for (const QList<PostedCells> *cells : {&std::as_const(m_blank.totals), &job.totals}) {
        for (const PostedCells &row : *cells) {
            grid->setCell(row.row, TotalsGrid::kLabourColumn, row.labour);
            grid->setCell(row.row, TotalsGrid::kMaterialColumn, row.material);
        }
    }
    grid->RecalcTotals();
    m_posted.clear();
    for (const PostedRecord &record : job.posted)
        m_posted.insert(record.row, record);
    m_window->editor()->replaceNotes(job.notes);
    m_details = job.details;
    m_coresFilled = job.coresFilled;
}

void JobSession::setCoresFilled(bool filled)
{
    if (filled == m_coresFilled)
        return;
    m_coresFilled = filled;
    markModified();
}

void JobSession::markModified()
{
    if (m_applying)
        return;
    setModified(true);
    // Each change starts the wait again, so a copy is written once typing pauses.
    m_recoveryTimer.start();
}

void JobSession::setModified(bool modified)
{
    if (m_modified != modified) {
        m_modified = modified;
        emit modifiedChanged(modified);
    }
    if (!modified)
        m_recoveryTimer.stop();
    updateCaption();
}

QString JobSession::displayName() const
{
    if (!m_details.jobName.isEmpty())
        return m_details.jobName;
    if (!m_fileName.isEmpty())
        return QFileInfo(m_fileName).fileName();
    return QStringLiteral("Untitled");
}

void JobSession::updateCaption()
{
    const bool unnamed = m_details.jobName.isEmpty() && m_fileName.isEmpty();
    if (unnamed && !m_modified)
        m_window->setWindowTitle(AppInfo::mainCaption());
    else
        m_window->setWindowTitle(AppInfo::mainCaption() + QLatin1String(" - ") + displayName() +
                                 QLatin1String("[*]"));
    m_window->setWindowModified(m_modified);
}

bool JobSession::settleChanges()
{
    if (!m_modified)
        return true;
    switch (ShellMessages::askSaveJob(m_window, displayName())) {
    case QMessageBox::Yes:
        return saveJob();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void JobSession::newJob()
{
    if (!settleChanges())
        return;
    Job blank = m_blank;
    blank.details.estimateDate = QDate::currentDate();
    apply(blank);
    m_fileName.clear();
    setModified(false);
    removeRecoveryCopy();
}

void JobSession::openJob()
{
    if (!settleChanges())
        return;
    const QString path = askForJobFile(m_window, QStringLiteral("Open Job"), QString(), false);
    if (!path.isEmpty())
        openFile(path);
}

bool JobSession::openFile(const QString &path)
{
    const JobFile::ReadResult read = JobFile::read(path);
    if (!read.job) {
        ShellMessages::jobOpenFailed(m_window, path, read.error);
        return false;
    }
    apply(*read.job);
    m_fileName = QFileInfo(path).absoluteFilePath();
    setModified(false);
    removeRecoveryCopy();
    rememberRecent(m_fileName);
    return true;
}

void JobSession::openRecentJob(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        ShellMessages::recentJobMissing(m_window, path);
        QStringList recent = RecentJobs::load();
        recent.removeAll(path);
        RecentJobs::save(recent);
        fillRecentMenu();
        return;
    }
    if (settleChanges())
        openFile(path);
}

void JobSession::openFromOutside(const QString &path)
{
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
    if (settleChanges())
        openFile(path);
}

bool JobSession::saveJob()
{
    if (m_fileName.isEmpty())
        return saveJobAs();
    return saveTo(m_fileName);
}

bool JobSession::saveJobAs()
{
    QString proposed = m_fileName;
    if (proposed.isEmpty() && !m_details.jobName.isEmpty())
        proposed = QDir(Desktop::instance().documentsFolder())
                       .filePath(m_details.jobName + QLatin1String(".mortarix"));
    const QString chosen = askForJobFile(m_window, QStringLiteral("Save Job As"), proposed, true);
    if (chosen.isEmpty())
        return false;
    return saveTo(JobFile::withExtension(chosen));
}

bool JobSession::saveTo(const QString &path)
{
    Job job = capture();
    job.fileName.clear();
    const QString failure = JobFile::write(path, job, QDateTime::currentDateTime());
    if (!failure.isEmpty()) {
        ShellMessages::jobSaveFailed(m_window, path, failure);
        return false;
    }
    m_fileName = QFileInfo(path).absoluteFilePath();
    setModified(false);
    removeRecoveryCopy();
    rememberRecent(m_fileName);
    return true;
}

void JobSession::editDetails()
{
    const std::optional<JobDetails> edited = JobDetailsDialog::edit(m_window, m_details);
    if (!edited || *edited == m_details)
        return;
    m_details = *edited;
    markModified();
}

void JobSession::rememberRecent(const QString &path)
{
    RecentJobs::save(RecentJobs::withFirst(RecentJobs::load(), path));
    fillRecentMenu();
}

void JobSession::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = RecentJobs::load();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        QAction *entry = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(u'&', QLatin1String("&&"))));
        entry->setObjectName(QStringLiteral("mnuRecentJob(%1)").arg(i));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { openRecentJob(path); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void JobSession::writeRecoveryCopy()
{
    if (!m_modified)
        return;
    const Job job = capture();
    const QDateTime now = QDateTime::currentDateTime();
    // Serialising and writing happen on the writer's thread; the window goes on at once.
    m_recoveryWriter.start([job, now] {
        QDir().mkpath(Recovery::folder());
        const QString failure = JobFile::write(Recovery::copyPath(), job, now);
        if (!failure.isEmpty())
            qWarning("The recovery copy could not be written: %s", qPrintable(failure));
    });
}

void JobSession::removeRecoveryCopy()
{
    m_recoveryTimer.stop();
    m_recoveryWriter.start([] { QFile::remove(Recovery::copyPath()); });
}

void JobSession::waitForRecoveryWrites()
{
    m_recoveryWriter.waitForDone();
}

void JobSession::offerRecovery()
{
    const QString path = Recovery::copyPath();
    if (!QFileInfo::exists(path))
        return;
    const JobFile::ReadResult read = JobFile::read(path);
    const QDateTime when =
        read.job && read.job->saved.isValid() ? read.job->saved : QFileInfo(path).lastModified();
    if (!read.job || !ShellMessages::askRecover(m_window, when)) {
        // Never lost silently: the copy is kept aside.
        Recovery::setAside(QDateTime::currentDateTime());
        return;
    }
    apply(*read.job);
    m_fileName = read.job->fileName;
    // Recovered work is unsaved work: it stays marked, and its copy stays until it is saved.
    markModified();
}

void JobSession::endNormally()
{
    removeRecoveryCopy();
    waitForRecoveryWrites();
}
