#include "tools/ReadmeWindow.h"

#include "tools/DialogParts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {

const QString kReadmeName = QStringLiteral("readme.txt");

// The file's text; a file that is not UTF-8 was written in a Western single-byte code page.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The readme's text, or a message saying where it was looked for and why it could not be shown.
QString readmeText(const QStringList &folders)
{
    QStringList tried;
    for (const QString &folder : folders) {
        const QString base = ReadmeWindow::withTrailingSeparator(folder);
        if (base.isEmpty())
            continue;
        const QString path = base + kReadmeName;
        const QFileInfo info(path);
        if (!info.exists()) {
            tried << QStringLiteral("    %1 (not found)").arg(QDir::toNativeSeparators(path));
            continue;
        }
        QFile file(path);
        if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
            const QString reason = info.isDir() ? QStringLiteral("a folder, not a file") : file.errorString();
            tried << QStringLiteral("    %1 (%2)").arg(QDir::toNativeSeparators(path), reason);
            continue;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            tried << QStringLiteral("    %1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString());
            continue;
        }
        return decode(bytes);
    }
    return QStringLiteral("The readme file could not be shown.\n\n"
                          "Mortarix looked for %1 here:\n%2\n\n"
                          "Installing the program again puts the file back in place.")
        .arg(kReadmeName, tried.join(QLatin1Char('\n')));
}

} // namespace

ReadmeWindow::ReadmeWindow(QWidget *parent, const QStringList &folders) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReadme"));
    setWindowTitle(QStringLiteral("Readme"));

    auto *text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("txtMain"));
    text->setReadOnly(true);
    // The readme lines up its columns with blanks.
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setPlainText(readmeText(folders));

    QPushButton *ok = DialogParts::newOkButton(QStringLiteral("readmecmd_ok"), this);
    QHBoxLayout *buttons = DialogParts::rowAtRight(ok);
    auto *column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addLayout(buttons);
    // Wide enough for lines of 80 characters.
    const int lineWidth = text->fontMetrics().horizontalAdvance(QString(80, QLatin1Char('x')));
    resize(lineWidth + 80, 480);
}

QStringList ReadmeWindow::programFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/../share/mortarix"))};
}

QString ReadmeWindow::withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('/');
}
