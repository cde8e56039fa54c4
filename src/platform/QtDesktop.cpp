#include "platform/QtDesktop.h"

#include "platform/ModalDialog.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMimeDatabase>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// "Text Files (*.txt)|*.txt|All|*.*" -> Qt's ";;"-separated filter list.
QStringList qtFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

QString startFolder(const Desktop::CommonDialogState &state)
{
    if (!state.fileName.isEmpty() && QFileInfo(state.fileName).isAbsolute())
        return state.fileName;
    QString dir = state.initialDir.isEmpty() ? QDir::homePath() : state.initialDir;
    return state.fileName.isEmpty() ? dir : QDir(dir).filePath(state.fileName);
}

QString runFileDialog(QWidget *parent, Desktop::CommonDialogState &state, QFileDialog::AcceptMode mode)
{
    ModalDialog<QFileDialog> dialog(parent, state.title);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen && state.fileMustExist ? QFileDialog::ExistingFile
                                                                               : QFileDialog::AnyFile);
    if (!state.overwritePrompt)
        dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = qtFilters(state.filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const int index = qBound(1, state.filterIndex, int(filters.size()));
        dialog->selectNameFilter(filters.at(index - 1));
    }
    const QString start = startFolder(state);
    if (QFileInfo(start).isDir())
        dialog->setDirectory(start);
    else
        dialog->selectFile(start);
    if (!dialog.accepted() || dialog->selectedFiles().isEmpty())
        return {};
    state.fileName = dialog->selectedFiles().constFirst();
    state.filterIndex = int(filters.indexOf(dialog->selectedNameFilter())) + 1;
    return state.fileName;
}

} // namespace

QString QtDesktop::openFileName(QWidget *parent)
{
    return runFileDialog(parent, commonDialog(), QFileDialog::AcceptOpen);
}

QString QtDesktop::saveFileName(QWidget *parent)
{
    return runFileDialog(parent, commonDialog(), QFileDialog::AcceptSave);
}

std::optional<QFont> QtDesktop::chooseFont(QWidget *parent, const QFont &initial)
{
    ModalDialog<QFontDialog> dialog(initial, parent);
    if (!dialog.accepted())
        return std::nullopt;
    return dialog->selectedFont();
}

std::optional<QColor> QtDesktop::chooseColor(QWidget *parent, const QColor &initial)
{
    ModalDialog<QColorDialog> dialog(initial, parent);
    if (!dialog.accepted() || !dialog->selectedColor().isValid())
        return std::nullopt;
    return dialog->selectedColor();
}

std::unique_ptr<QPrinter> QtDesktop::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool QtDesktop::choosePrinter(QWidget *parent, QPrinter *printer)
{
    ModalDialog<QPrintDialog> dialog(printer, parent);
    // A selection to print is offered as the range to print.
    dialog->setOption(QAbstractPrintDialog::PrintSelection, printer->printRange() == QPrinter::Selection);
    return dialog.accepted();
}

bool QtDesktop::printerSetup(QWidget *parent)
{
    QPrinter printer;
    ModalDialog<QPrintDialog> dialog(&printer, parent);
    return dialog.accepted();
}

QString QtDesktop::findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

bool QtDesktop::startDetached(const Command &command)
{
    return QProcess::startDetached(command.program, command.arguments);
}

bool QtDesktop::runAndWait(const Command &command)
{
    QProcess process;
    QEventLoop loop;
    bool started = true;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            started = false;
        loop.quit();
    });
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(command.program, command.arguments);
    if (process.state() != QProcess::NotRunning || started)
        loop.exec();
    return started;
}

bool QtDesktop::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool QtDesktop::openDocument(const QString &path)
{
    // xdg-open reports success even when no application handles the type; ask first, so the
    // caller can tell the user where the file is instead.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
        const QString type = QMimeDatabase().mimeTypeForFile(path).name();
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
        if (query.waitForFinished(3000) && query.exitCode() == 0 &&
            query.readAllStandardOutput().trimmed().isEmpty())
            return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString QtDesktop::documentsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    return folder;
}
