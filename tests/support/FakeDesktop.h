#pragma once

#include "platform/Desktop.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>

// A scripted desktop for tests: dialogs give queued answers, outside programs and URLs are
// recorded instead of started. Installs itself while alive.
class FakeDesktop final : public Desktop
{
public:
    FakeDesktop();
    ~FakeDesktop() override;

    // File dialogs: each use takes the next answer (an empty one, or none left, cancels) and records
    // the dialog state it saw.
    QQueue<QString> openAnswers, saveAnswers;
    QList<CommonDialogState> openSeen, saveSeen;
    // Font and colour dialogs: nullopt cancels. The initial value each use saw is recorded.
    std::optional<QFont> fontAnswer;
    std::optional<QColor> colorAnswer;
    QList<QFont> fontsSeen;
    QList<QColor> colorsSeen;
    // Printing: makes the default printer (none when unset); the print dialog accepts when
    // `printDialogAccepts`, and then prints to `pdfPath` where set.
    std::function<std::unique_ptr<QPrinter>()> makeDefaultPrinter;
    bool printDialogAccepts = false, printerSetupAccepts = false;
    QString pdfPath;
    int printDialogs = 0, printerSetups = 0;
    // Outside programs: names found on PATH, and what was started; URLs and documents opened.
    QHash<QString, QString> programs;
    bool startSucceeds = true, openSucceeds = true;
    QList<Command> started, waitedFor;
    QList<QUrl> urlsOpened;
    QStringList documentsOpened;
    QTemporaryDir documents;

    QString openFileName(QWidget *parent) override;
    QString saveFileName(QWidget *parent) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    bool choosePrinter(QWidget *parent, QPrinter *printer) override;
    bool printerSetup(QWidget *parent) override;
    QString findProgram(const QString &name) override;
    bool startDetached(const Command &command) override;
    bool runAndWait(const Command &command) override;
    bool openUrl(const QUrl &url) override;
    bool openDocument(const QString &path) override;
    QString documentsFolder() override;
};
