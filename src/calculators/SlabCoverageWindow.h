#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

// frmMYSQFTCoverage: how many square feet one cubic yard of concrete covers at a chosen
// thickness. A modal window over the main window that remembers nothing between openings.
class SlabCoverageWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit SlabCoverageWindow(QWidget *parent = nullptr);

    // Opens a new window, modal over the whole program, and destroys it when it is closed.
    static SlabCoverageWindow *openOver(QWidget *parent);

private:
    // Runs on every change of the thickness list.
    void showCoverage();

    QComboBox *m_thickness = nullptr;
    QLabel *m_total = nullptr;
};
