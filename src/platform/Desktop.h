#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QPrinter;
class QUrl;
class QWidget;

// Everything the operating system provides to the program: the file, font, colour and print
// dialogs, outside programs, URLs and documents. The program reaches these only through this
// interface, so tests can script the answers.
class Desktop
{
public:
    // The persistent state of the one shared file dialog: what one use leaves behind, the next
    // use starts from.
    struct CommonDialogState
    {
        QString fileName;
        QString title;
        QString filter;      // "Description|*.ext|Description|*.ext" pairs
        int filterIndex = 1; // 1-based
        QString initialDir;
        bool overwritePrompt = true;
        bool fileMustExist = false;
    };

    // An outside program with its arguments, found on PATH.
    struct Command
    {
        QString program;
        QStringList arguments;
    };

    virtual ~Desktop();

    // The desktop in use: the Qt one unless a test installed another.
    static Desktop &instance();
    // Installs a desktop (not owned) for tests; nullptr returns to the Qt one.
    static void setInstance(Desktop *desktop);

    CommonDialogState &commonDialog() { return m_commonDialog; }

    // File dialogs from the common dialog state; an empty result means cancelled.
    virtual QString openFileName(QWidget *parent) = 0;
    virtual QString saveFileName(QWidget *parent) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
    // The system's default printer, or nullptr where there is none (common on Linux desktops).
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    // The print dialog for `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter *printer) = 0;
    // The printer-setup dialog; false when cancelled.
    virtual bool printerSetup(QWidget *parent) = 0;

    // Full path of `name` on PATH, or empty.
    virtual QString findProgram(const QString &name) = 0;
    virtual bool startDetached(const Command &command) = 0;
    // Starts `command` and returns when it has ended, keeping the event loop running meanwhile.
    // False when it could not be started.
    virtual bool runAndWait(const Command &command) = 0;
    virtual bool openUrl(const QUrl &url) = 0;
    // Opens a file with the desktop's default application for its type; false when none.
    virtual bool openDocument(const QString &path) = 0;
    // The user's documents folder, where exports are written.
    virtual QString documentsFolder() = 0;

    // A file dialog of its own (jobs, logos, order lists): runs with `state` and puts the shared
    // state back, so the notes' dialogs start next time where they left off.
    QString askForFileAside(QWidget *parent, const CommonDialogState &state, bool save);

    // The first of `candidates` ({program, arguments...} each) whose program is on PATH.
    std::optional<Command> findFirstProgram(const QList<QStringList> &candidates);

private:
    CommonDialogState m_commonDialog;
};

// Outside programs that stand in for the system's own tools, in order of preference.
namespace SystemPrograms {
QList<QStringList> displaySettings();
QList<QStringList> calculator();
QList<QStringList> systemInformation();
} // namespace SystemPrograms
