#pragma once

#include "platform/Desktop.h"

// The desktop as Qt provides it: real dialogs, processes and the desktop's default handlers.
class QtDesktop final : public Desktop
{
public:
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
