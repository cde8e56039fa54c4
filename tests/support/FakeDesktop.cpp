#include "support/FakeDesktop.h"

#include <QPrinter>

namespace {

// Takes the next answer (none left cancels) and puts a chosen name into the shared dialog state.
QString answer(QQueue<QString> &answers, QList<Desktop::CommonDialogState> &seen, Desktop::CommonDialogState &state)
{
    seen.append(state);
    const QString name = answers.isEmpty() ? QString() : answers.dequeue();
    if (!name.isEmpty())
        state.fileName = name;
    return name;
}

} // namespace

FakeDesktop::FakeDesktop() { Desktop::setInstance(this); }
FakeDesktop::~FakeDesktop() { Desktop::setInstance(nullptr); }
QString FakeDesktop::openFileName(QWidget *) { return answer(openAnswers, openSeen, commonDialog()); }
QString FakeDesktop::saveFileName(QWidget *) { return answer(saveAnswers, saveSeen, commonDialog()); }
std::optional<QFont> FakeDesktop::chooseFont(QWidget *, const QFont &initial)
{
    return fontsSeen.append(initial), fontAnswer;
}
std::optional<QColor> FakeDesktop::chooseColor(QWidget *, const QColor &initial)
{
    return colorsSeen.append(initial), colorAnswer;
}
std::unique_ptr<QPrinter> FakeDesktop::defaultPrinter() { return makeDefaultPrinter ? makeDefaultPrinter() : nullptr; }
bool FakeDesktop::printerSetup(QWidget *) { return false; }
QString FakeDesktop::findProgram(const QString &) { return {}; }
bool FakeDesktop::startDetached(const Command &) { return false; }
bool FakeDesktop::runAndWait(const Command &) { return false; }
bool FakeDesktop::openUrl(const QUrl &url) { return urlsOpened.append(url), openSucceeds; }
bool FakeDesktop::openDocument(const QString &path) { return documentsOpened.append(path), openSucceeds; }
QString FakeDesktop::documentsFolder() { return documents.path(); }

bool FakeDesktop::choosePrinter(QWidget *, QPrinter *printer)
{
    ++printDialogs;
    if (printDialogAccepts && !pdfPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
    }
    return printDialogAccepts;
}
