// Libraries opened on first use: functions found and callable, and a missing library or function
// reported with its reason instead of a crash.
#include "support/TestSupport.h"

#include "core/ExportLibraries.h"
#include "core/OnDemandLibrary.h"

#include <xlsxwriter.h>
#include <zip.h>

class TestOnDemandLibrary : public QObject
{
    Q_OBJECT

private slots:
    void bindsOrSaysWhyNot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("majorVersion");
        QTest::addColumn<QStringList>("functions"); // each returns its library's version
        QTest::addColumn<QStringList>("missing");   // those expected to stay unbound
        QTest::addColumn<QString>("reason");        // part of errorString(); empty when all is well

        QTest::newRow("already loaded") << "zip" << ExportLibraries::kZipMajor
                                        << QStringList{"zip_libzip_version"} << QStringList{} << "";
        QTest::newRow("not loaded yet") << "xlsxwriter" << ExportLibraries::kXlsxWriterMajor
                                        << QStringList{"lxw_version"} << QStringList{} << "";
        QTest::newRow("no such library") << "mortarix-no-such-library" << 1 << QStringList{"lxw_version"}
                                         << QStringList{"lxw_version"} << "libmortarix-no-such-library.so.1";
        QTest::newRow("one function missing")
            << "zip" << ExportLibraries::kZipMajor
            << QStringList{"zip_no_such_function", "zip_libzip_version", "zip_nor_this"}
            << QStringList{"zip_no_such_function", "zip_nor_this"} << "zip_no_such_function, zip_nor_this";
    }

    void bindsOrSaysWhyNot()
    {
        QFETCH(QString, name);
        QFETCH(int, majorVersion);
        QFETCH(QStringList, functions);
        QFETCH(QStringList, missing);
        QFETCH(QString, reason);
        const QMap<QString, QString> versions = {{"zip_libzip_version", LIBZIP_VERSION},
                                                 {"lxw_version", LXW_VERSION}};

        OnDemandLibrary library(name, majorVersion);
        for (const QString &function : functions) {
            decltype(&::lxw_version) bound = nullptr;
            library.bind(bound, function.toLatin1().constData());
            QCOMPARE(bound == nullptr, missing.contains(function));
            if (bound)
                QCOMPARE(QString::fromLatin1(bound()), versions.value(function));
        }
        const QString error = library.errorString();
        QCOMPARE(library.ok(), reason.isEmpty());
        QCOMPARE(error.isEmpty(), reason.isEmpty());
        QVERIFY2(error.contains(reason), qPrintable(error));
        for (const QString &function : functions) {
            if (!missing.contains(function))
                QVERIFY2(!error.contains(function), qPrintable(error));
        }
    }
};

MORTARIX_TEST_MAIN(TestOnDemandLibrary)
#include "tst_ondemandlibrary.moc"
