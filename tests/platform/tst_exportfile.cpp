// The export files' names and their temporary file: never over an earlier export, nothing left behind.
#include "support/TestSupport.h"

#include "core/ExportFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QDateTime kWhen(QDate(2024, 3, 5), QTime(7, 8, 9));

} // namespace

class TestExportFile : public QObject
{
    Q_OBJECT

private slots:
    void baseName()
    {
        QCOMPARE(ExportFile::baseName(QStringLiteral("Notes"), kWhen),
                 QStringLiteral("Mortarix Notes 2024-03-05 070809"));
        QCOMPARE(
            ExportFile::baseName(QStringLiteral("Totals"), QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59))),
            QStringLiteral("Mortarix Totals 2023-12-31 235959"));
    }

    void placedUnderTheFirstFreeName_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList{} << "Mortarix Kind 2024-03-05 070809.ext";
        QTest::newRow("taken") << QStringList{"Mortarix Kind 2024-03-05 070809.ext"}
                               << "Mortarix Kind 2024-03-05 070809 (2).ext";
        QTest::newRow("two taken") << QStringList{"Mortarix Kind 2024-03-05 070809.ext",
                                                  "Mortarix Kind 2024-03-05 070809 (2).ext"}
                                   << "Mortarix Kind 2024-03-05 070809 (3).ext";
        QTest::newRow("another extension is no clash")
            << QStringList{"Mortarix Kind 2024-03-05 070809.other"} << "Mortarix Kind 2024-03-05 070809.ext";
    }

    void placedUnderTheFirstFreeName()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString &name : existing) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier");
        }
        {
            ExportFile::TemporaryFile file(folder.path(), QStringLiteral("Kind"));
            QVERIFY(file.open());
            QVERIFY(QFileInfo(file.path()).fileName().startsWith(QStringLiteral(".Mortarix Kind ")));
            QVERIFY(file.path().endsWith(QStringLiteral(".part")));
            QVERIFY(file.write("new"));
            const ExportFile::Placement placed = file.place(QStringLiteral("ext"), kWhen);
            QVERIFY(placed.ok());
            QVERIFY(placed.refusedName.isEmpty());
            QCOMPARE(placed.path, folder.filePath(expected));
        }
        // The placed file stays; the earlier ones are untouched; no temporary file is left.
        QCOMPARE(readFile(folder.filePath(expected)), QByteArray("new"));
        for (const QString &name : existing)
            QCOMPARE(readFile(folder.filePath(name)), QByteArray("earlier"));
        QCOMPARE(filesIn(folder.path()).size(), existing.size() + 1);
    }

    void unplacedFileIsRemoved()
    {
        QTemporaryDir folder;
        QString path;
        {
            ExportFile::TemporaryFile file(folder.path(), QStringLiteral("Kind"));
            QVERIFY(file.open());
            QVERIFY(file.write("half"));
            path = file.path();
            QCOMPARE(filesIn(folder.path()).size(), 1);
        }
        QVERIFY(!path.isEmpty());
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(filesIn(folder.path()).isEmpty());
    }

    void missingFolderTakesNoFile()
    {
        QTemporaryDir folder;
        ExportFile::TemporaryFile file(folder.filePath(QStringLiteral("not here")), QStringLiteral("Kind"));
        QVERIFY(!file.open());
        QVERIFY(!file.errorString().isEmpty());
        QVERIFY(file.path().isEmpty());
    }

    void writerMakesTheFileAfresh()
    {
        QTemporaryDir folder;
        ExportFile::TemporaryFile file(folder.path(), QStringLiteral("Kind"));
        QVERIFY(file.open());
        const QString path = file.path();
        file.removeKeepingName();
        QCOMPARE(file.path(), path);
        QVERIFY(!QFileInfo::exists(path));

        QFile writer(path);
        QVERIFY(writer.open(QIODevice::WriteOnly));
        writer.write("made by another writer");
        writer.close();
        const ExportFile::Placement placed = file.place(QStringLiteral("ext"), kWhen);
        QVERIFY(placed.ok());
        QCOMPARE(readFile(placed.path), QByteArray("made by another writer"));
        QCOMPARE(filesIn(folder.path()), QStringList{"Mortarix Kind 2024-03-05 070809.ext"});
    }
};

MORTARIX_TEST_MAIN(TestExportFile)
#include "tst_exportfile.moc"
