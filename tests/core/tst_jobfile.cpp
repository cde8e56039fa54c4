// The job file read and written without widgets: what is refused and why, what is read leniently,
// the round trip, the recovery copies set aside, and the recent jobs list.
#include "core/Job.h"
#include "core/JobPlaces.h"
#include "support/CoreTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

Job sampleJob()
{
    Job job;
    job.details = {"Miller garage", "Ann Miller", "12 Oak St\nSpringfield", "555-0100", "ann@example.com",
                   QDate(2026, 12, 7), "E-1042", "Pour after the frost \"lifts\"; call first.\\"};
    job.fields = {{"MyFNGtbx_lngth", "100"}, {"MyFNGcbo_Wdth", "16\""}, {"MyFNGtbx_TC", "$279.65"}, {"Grüße", "ü"}};
    job.options = {{"rbropt_visible(2)", true}, {"rbropt_visible(0)", false}};
    job.totals = {{1, "250", "$279.65"}, {7, "$0.00", ""}};
    job.posted = {{1, "Footings", "Footing 16 in wide, 8 in deep, 100 ft long", "3.29 cu yd", "85", "$85.00 per cu yd",
                   "250", "$279.65", {{"MyFNGtbx_lngth", "100"}}}};
    job.notes = "{\\rtf1\\ansi {\\b Pour} on Tuesday\\par }";
    job.coresFilled = true;
    return job;
}

} // namespace

class TestJobFile : public QObject
{
    Q_OBJECT

private slots:
    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes"); QTest::addColumn<QString>("reason");
        const QString notJob = "The file is not a Mortarix job.";
        const QString noVersion = "The file is not a Mortarix job (it has no valid format version).";
        QTest::newRow("empty") << QByteArray() << "The file is empty.";
        QTest::newRow("blanks") << QByteArray(" \n\t ") << "The file is empty.";
        QTest::newRow("not JSON") << QByteArray("{\\rtf1 hello}")
                                  << "The file is damaged or is not a Mortarix job (unterminated object at byte 2).";
        QTest::newRow("another format") << QByteArray(R"({"format": "mortarix-jobs", "version": 1})") << notJob;
        QTest::newRow("no format") << QByteArray(R"({"version": 1})") << notJob;
        QTest::newRow("no version") << QByteArray(R"({"format": "mortarix-job"})") << noVersion;
        QTest::newRow("version as text") << QByteArray(R"({"format": "mortarix-job", "version": "1"})") << noVersion;
        QTest::newRow("version 0") << QByteArray(R"({"format": "mortarix-job", "version": 0})") << noVersion;
        QTest::newRow("version 1.5") << QByteArray(R"({"format": "mortarix-job", "version": 1.5})") << noVersion;
        QTest::newRow("newer") << QByteArray(R"({"format": "mortarix-job", "version": 2})")
                               << "The job was saved by a newer version of Mortarix (job format 2); this version "
                                  "reads format 1.";
        QTest::newRow("oldest readable") << QByteArray(R"({"format": "mortarix-job", "version": 1})") << "";
    }
    void refused()
    {
        QFETCH(QByteArray, bytes); QFETCH(QString, reason);
        const JobFile::ReadResult read = JobFile::fromJson(bytes);
        QCOMPARE(read.error, reason);
        QCOMPARE(read.job.has_value(), reason.isEmpty());
        if (read.job)
            QCOMPARE(*read.job, Job());
    }
    // Wrong types and unknown keys are passed over, texts are cut, rows outside 1 to 8 dropped.
    void lenient()
    {
        const QString longText(5000, 'x');
        const QJsonObject root{
            {"format", "mortarix-job"}, {"version", 1}, {"future", QJsonObject{{"a", 1}}},
            {"details", QJsonObject{{"txtJobName", longText}, {"txtCustomer", 7}, {"txtRemarks", longText},
                                    {"txtEstimateDate", "2026-13-01"}}},
            {"pages", QJsonObject{{"MyFNGtbx_lngth", 12}, {"MyCWcbx_WL", longText}, {"MyFNGcbo_Wdth", "8\""},
                                  {QString(1000, 'k'), "a name at its limit"}, {QString(1001, 'k'), "past it"}}},
            {"options", QJsonObject{{"Option3(1)", true}, {"Option3(0)", "yes"}}},
            {"totals", QJsonArray{QJsonObject{{"row", 0}, {"labour", "1"}}, QJsonObject{{"row", 9}},
                                  QJsonObject{{"row", "3"}}, 5,
                                  QJsonObject{{"row", 8}, {"labour", longText}, {"material", QJsonValue()}}}},
            {"posted", QJsonArray{QJsonObject{{"row", 6}, {"item", "Block"},
                                              {"inputs", QJsonObject{{"MyBLKtbx_x", "1"}, {"n", 2}}}},
                                  QJsonObject{{"row", -1}}}},
            {"notes", 12}, {"saved", "yesterday"}};
        const QByteArray bytes = QJsonDocument(root).toJson();
        const JobFile::ReadResult read = JobFile::fromJson(bytes);
        QVERIFY2(read.job, qPrintable(read.error));
        const Job &job = *read.job;
        QCOMPARE(job.details.jobName, longText.left(JobDetails::kMaxLength));
        QCOMPARE(job.details.remarks, longText.left(JobDetails::kMaxRemarksLength));
        QCOMPARE(job.details.customer, "");
        QVERIFY(!job.details.estimateDate.isValid());
        QCOMPARE(job.fields, (QMap<QString, QString>{{"MyCWcbx_WL", longText.left(1000)}, {"MyFNGcbo_Wdth", "8\""},
                                                     {QString(1000, 'k'), "a name at its limit"}}));
        QCOMPARE(job.options, (QMap<QString, bool>{{"Option3(1)", true}}));
        QCOMPARE(job.totals, (QList<PostedCells>{{8, QString(Job::kMaxCellLength, 'x'), ""}}));
        QCOMPARE(job.posted, (QList<PostedRecord>{{6, "Block", "", "", "", "", "", "", {{"MyBLKtbx_x", "1"}}}}));
        QVERIFY(job.notes.isEmpty() && !job.saved.isValid());
    }
    void roundTrip()
    {
        Job job = sampleJob();
        const QDateTime saved(QDate(2026, 12, 7), QTime(9, 30, 15, 250), Qt::UTC);
        const QByteArray bytes = JobFile::toJson(job, saved);
        QVERIFY2(bytes.startsWith("{\n    \""), bytes.left(40).constData()); // one key a line, to diff well
        QVERIFY(!bytes.contains("\"file\""));
        JobFile::ReadResult read = JobFile::fromJson(bytes);
        QVERIFY2(read.job, qPrintable(read.error));
        job.saved = saved;
        QCOMPARE(*read.job, job);
        // Only a recovery copy names the file it belongs to.
        job.fileName = "/home/ann/jobs/Miller.mortarix";
        read = JobFile::fromJson(JobFile::toJson(job, saved));
        QCOMPARE(read.job->fileName, job.fileName);
    }
    void files()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Miller.mortarix");
        QCOMPARE(JobFile::read(path).error, "The file does not exist.");
        QCOMPARE(JobFile::read(dir.path()).error, "It is a folder, not a file.");
        QCOMPARE(JobFile::write(path, sampleJob(), QDateTime::currentDateTime()), "");
        QCOMPARE(JobFile::read(path).job->details, sampleJob().details);
        QVERIFY(!JobFile::write(dir.filePath("gone/Miller.mortarix"), sampleJob(), {}).isEmpty());
        QVERIFY(!QDir(dir.filePath("gone")).exists());
        // The size is checked before anything is read.
        QFile big(dir.filePath("big.mortarix"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(JobFile::kMaxBytes + 1));
        big.close();
        QCOMPARE(JobFile::read(big.fileName()).error, "The file is larger than 64 MB.");
        QVERIFY(big.resize(JobFile::kMaxBytes));
        QVERIFY(JobFile::read(big.fileName()).error.startsWith("The file is damaged"));
    }
    void withExtension_data()
    {
        QTest::addColumn<QString>("path"); QTest::addColumn<QString>("expected");
        QTest::newRow("none") << "/jobs/Miller" << "/jobs/Miller.mortarix";
        QTest::newRow("capitals") << "/jobs/MILLER.MORTARIX" << "/jobs/MILLER.MORTARIX";
        QTest::newRow("another") << "/jobs/Miller.txt" << "/jobs/Miller.txt.mortarix";
        QTest::newRow("dot in folder") << "/jobs.mortarix/Miller" << "/jobs.mortarix/Miller.mortarix";
    }
    void withExtension()
    {
        QFETCH(QString, path); QFETCH(QString, expected);
        QCOMPARE(JobFile::withExtension(path), expected);
    }
    void recoveryFolder()
    {
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        QCOMPARE(Recovery::folder(), QDir(QString::fromLocal8Bit(state)).filePath("Mortarix"));
        QCOMPARE(Recovery::copyPath(), Recovery::folder() + "/recovery.mortarix");
        qputenv("XDG_STATE_HOME", "relative/state");
        const QString fallback = Recovery::folder();
        qputenv("XDG_STATE_HOME", state);
        QCOMPARE(fallback, QDir::homePath() + "/.local/state/Mortarix");
    }
    // Each copy set aside is kept under its time, the oldest going beyond five.
    void setAside()
    {
        QVERIFY(QDir().mkpath(Recovery::folder()));
        QCOMPARE(Recovery::setAside(QDateTime::currentDateTime()), "");
        const QDateTime start(QDate(2026, 12, 1), QTime(8, 0));
        QStringList names;
        for (int i = 0; i < 7; ++i) {
            QFile copy(Recovery::copyPath());
            QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(QByteArray::number(i)) && copy.flush());
            QVERIFY(copy.setFileTime(start.addSecs(i * 60), QFileDevice::FileModificationTime));
            copy.close();
            const QDateTime when = start.addSecs(i < 6 ? i * 60 : 5 * 60); // the last two in one second
            names << QFileInfo(Recovery::setAside(when)).fileName();
        }
        QCOMPARE(names.last(), "recovery-20261201-080500-2.mortarix");
        QVERIFY(!QFile::exists(Recovery::copyPath()));
        QStringList kept = QDir(Recovery::folder()).entryList({"recovery-*"}, QDir::Files), newest = names.mid(2);
        kept.sort();
        newest.sort();
        QCOMPARE(kept, newest);
        QDir(Recovery::folder()).removeRecursively();
    }
    void recentJobs()
    {
        QStringList paths;
        for (int i = 0; i < 9; ++i)
            paths = RecentJobs::withFirst(paths, QString("/jobs/%1.mortarix").arg(i));
        QCOMPARE(paths.size(), RecentJobs::kMaxJobs);
        QCOMPARE(paths.first(), "/jobs/8.mortarix");
        QCOMPARE(paths.last(), "/jobs/1.mortarix");
        paths = RecentJobs::withFirst(paths, "/jobs/4.mortarix");
        QCOMPARE(paths.mid(0, 3), (QStringList{"/jobs/4.mortarix", "/jobs/8.mortarix", "/jobs/7.mortarix"}));
        QCOMPARE(paths.size(), RecentJobs::kMaxJobs);
        RecentJobs::save(paths);
        QCOMPARE(RecentJobs::load(), paths);
        RecentJobs::save(paths.mid(0, 2)); // a shorter list leaves nothing behind
        QCOMPARE(RecentJobs::load(), paths.mid(0, 2));
    }
};

MORTARIX_CORE_TEST_MAIN(TestJobFile)
#include "tst_jobfile.moc"
