#pragma once

#include "core/Estimate.h"

#include <QObject>

#include <optional>

class MainWindow;

// The estimate for the customer from the job on screen: previewed, printed, or saved as a PDF and
// opened. All three draw the same document.
class EstimateCommands final : public QObject
{
    Q_OBJECT

public:
    explicit EstimateCommands(MainWindow *window);

    void preview();
    void print();
    // Writes the PDF into the documents folder and opens it; returns its path, or empty when nothing
    // was written.
    QString exportPdf();

private:
    // The estimate of the job shown, or nothing (said to the user) when no row was sent.
    std::optional<Estimate> current();

    MainWindow *m_window;
};
