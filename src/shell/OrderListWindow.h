#pragma once

#include "core/MaterialOrder.h"

#include <QDialog>

class JobSession;
class QCheckBox;
class QTableWidget;

// frmOrderList: what to buy for every posted row, as the supplier's counter needs it, with the
// metric figures beside on request; copied for a spreadsheet, printed, or saved as CSV.
class OrderListWindow final : public QDialog
{
    Q_OBJECT

public:
    OrderListWindow(JobSession *jobs, QWidget *parent);

    // Opens the window for the job shown; with nothing sent to the totals, says so instead.
    static void show(JobSession *jobs, QWidget *parent);

    QList<MaterialOrder::Group> groups() const { return m_groups; }
    bool metric() const;

    void copy() const;
    void print();
    // Asks for a file and writes the list there in one piece; false when nothing was written.
    bool saveCsv();

private:
    void refresh();

    JobSession *m_jobs;
    QList<MaterialOrder::Group> m_groups;
    QTableWidget *m_table = nullptr;
    QCheckBox *m_metric = nullptr;
    QCheckBox *m_coresFilled = nullptr;
};
