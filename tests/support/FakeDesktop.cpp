#include "support/FakeDesktop.h"

#include <QPrinter>

FakeDesktop::FakeDesktop()
{
    Desktop::setInstance(this);
}

FakeDesktop::~FakeDesktop()
{
    Desktop::setInstance(nullptr);
}

QString FakeDesktop::openFileName(QWidget *)
{
    openSeen.append(commonDialog());
    const QString answer = openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
    if (!answer.isEmpty())
        commonDialog().fileName = answer;
    return answer;
}

QString FakeDesktop::saveFileName(QWidget *)
{
    saveSeen.append(commonDialog());
    const QString answer = saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    if (!answer.isEmpty())
        commonDialog().fileName = answer;
    return answer;
}

std::optional<QFont> FakeDesktop::chooseFont(QWidget *, const QFont &initial)
{
    fontsSeen.append(initial);
    return fontAnswer;
}

std::optional<QColor> FakeDesktop::chooseColor(QWidget *, const QColor &initial)
{
    colorsSeen.append(initial);
    return colorAnswer;
}

std::unique_ptr<QPrinter> FakeDesktop::defaultPrinter()
{
    return makeDefaultPrinter ? makeDefaultPrinter() : nullptr;
}

bool FakeDesktop::choosePrinter(QWidget *, QPrinter *printer)
{
    ++printDialogs;
    if (!printDialogAccepts)
        return false;
    if (!pdfPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
    }
    return true;
}

bool FakeDesktop::printerSetup(QWidget *)
{
    ++printerSetups;
    return printerSetupAccepts;
}

QString FakeDesktop::findProgram(const QString &name)
{
    return programs.value(name);
}

bool FakeDesktop::startDetached(const Command &command)
{
    started.append(command);
    return startSucceeds;
}

bool FakeDesktop::runAndWait(const Command &command)
{
    waitedFor.append(command);
    return startSucceeds;
}

bool FakeDesktop::openUrl(const QUrl &url)
{
    urlsOpened.append(url);
    return openSucceeds;
}

bool FakeDesktop::openDocument(const QString &path)
{
    documentsOpened.append(path);
    return openSucceeds;
}

QString FakeDesktop::documentsFolder()
{
    return documents.path();
}
