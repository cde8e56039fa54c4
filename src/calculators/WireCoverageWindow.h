#pragma once

#include <QDialog>

class QLabel;

// frmMYWWCoverage: the square feet one roll of each size covers. Modal over the main window; it
// remembers nothing between openings.
class WireCoverageWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit WireCoverageWindow(QWidget *parent = nullptr);

    // Opens a fresh window over `parent`, modal, deleted when closed.
    static WireCoverageWindow *open(QWidget *parent);

private:
    QLabel *m_squareFeet = nullptr;
};
