#pragma once

#include "platform/Desktop.h"

#include <QList>
#include <QQueue>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>

// A scripted desktop for tests: dialogs give queued answers, URLs and documents are recorded
// instead of opened. Installs itself while alive.
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
    bool printDialogAccepts = false;
    QString pdfPath;
    int printDialogs = 0;
    // No outside program is found or started, nor a printer set up; URLs and documents opened are recorded.
    bool openSucceeds = true;
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
