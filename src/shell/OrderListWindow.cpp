#include "shell/OrderListWindow.h"

#include "core/WholeFile.h"
#include "platform/Desktop.h"
#include "platform/ModalDialog.h"
#include "shell/JobSession.h"
#include "totals/TotalsMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QStringList kColumns = {QStringLiteral("Material"), QStringLiteral("Quantity"), QStringLiteral("Unit"),
                              QStringLiteral("Factor"), QStringLiteral("Metric")};

} // namespace

OrderListWindow::OrderListWindow(JobSession *jobs, QWidget *parent) : QDialog(parent), m_jobs(jobs)
{
    setObjectName(QStringLiteral("frmOrderList"));
    setWindowTitle(QStringLiteral("Material Order List"));
    m_table = new QTableWidget(0, int(kColumns.size()), this);
    m_table->setObjectName(QStringLiteral("grdOrder"));
    m_table->setHorizontalHeaderLabels(kColumns);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_metric = new QCheckBox(QStringLiteral("&Metric"), this);
    m_metric->setObjectName(QStringLiteral("chkMetric"));
    m_coresFilled = new QCheckBox(QStringLiteral("Block cores &filled"), this);
    m_coresFilled->setObjectName(QStringLiteral("chkCoresFilled"));
    m_coresFilled->setChecked(jobs->coresFilled());
    connect(m_metric, &QCheckBox::toggled, this, &OrderListWindow::refresh);
    connect(m_coresFilled, &QCheckBox::toggled, this, [this](bool filled) {
        m_jobs->setCoresFilled(filled);
        refresh();
    });
    auto *choices = new QHBoxLayout;
    choices->addWidget(m_coresFilled);
    choices->addWidget(m_metric);
    choices->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const auto add = [buttons](const char *name, const QString &caption) {
        QPushButton *button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    connect(add("cmdCopy", QStringLiteral("&Copy")), &QPushButton::clicked, this, &OrderListWindow::copy);
    connect(add("cmdPrint", QStringLiteral("&Print . . .")), &QPushButton::clicked, this,
            &OrderListWindow::print);
    connect(add("cmdSaveCsv", QStringLiteral("Save As C&SV . . .")), &QPushButton::clicked, this,
            &OrderListWindow::saveCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addLayout(choices);
    column->addWidget(m_table);
    column->addWidget(buttons);
    refresh();
    resize(760, 460);
}

void OrderListWindow::show(JobSession *jobs, QWidget *parent)
{
    if (jobs->postedRecords().isEmpty()) {
        TotalsMessages::nothingPosted(parent);
        return;
    }
    ModalDialog<OrderListWindow> window(jobs, parent);
    window.exec();
}

bool OrderListWindow::metric() const
{
    return m_metric->isChecked();
}

void OrderListWindow::refresh()
{
    m_groups = MaterialOrder::of(m_jobs->capture(), MaterialFactors::load(), m_coresFilled->isChecked());
    m_table->setRowCount(0);
    for (const MaterialOrder::Group &group : std::as_const(m_groups)) {
        const int heading = m_table->rowCount();
        m_table->insertRow(heading);
        auto *title = new QTableWidgetItem(
            group.description.isEmpty() ? group.item : group.item + QLatin1String(": ") + group.description);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        m_table->setItem(heading, 0, title);
        m_table->setSpan(heading, 0, 1, int(kColumns.size()));
        for (const MaterialOrder::Line &line : group.lines) {
            const int row = m_table->rowCount();
            m_table->insertRow(row);
            const QStringList cells{line.material, line.quantity, line.unit, line.factor, line.metric};
            for (int c = 0; c < cells.size(); ++c) {
                auto *item = new QTableWidgetItem(cells.at(c));
                if (c == 1)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_table->setItem(row, c, item);
            }
        }
    }
    m_table->setColumnHidden(int(kColumns.size()) - 1, !metric());
    m_table->resizeColumnsToContents();
}

void OrderListWindow::copy() const
{
    QApplication::clipboard()->setText(MaterialOrder::tabSeparated(m_groups, metric()));
}

void OrderListWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Desktop::instance().choosePrinter(this, &printer))
        return;
    QTextDocument document;
    document.setHtml(QStringLiteral("<h2>Material Order List</h2>") +
                     MaterialOrder::htmlTable(m_groups, metric()));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        TotalsMessages::printFailed(this, QStringLiteral("The order list could not be printed."));
}

bool OrderListWindow::saveCsv()
{
    Desktop &desktop = Desktop::instance();
    const QString proposed =
        QDir(desktop.documentsFolder()).filePath(QStringLiteral("Material Order List.csv"));
    QString path = desktop.askForFileAside(this,
                                           {proposed, QStringLiteral("Save As CSV"),
                                            QStringLiteral("CSV Files (*.csv)|*.csv"), 1,
                                            QFileInfo(proposed).absolutePath(), true, false},
                                           true);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".csv");
    const QString failure = WholeFile::write(path, MaterialOrder::csv(m_groups, metric()));
    if (!failure.isEmpty()) {
        TotalsMessages::notWritten(this, QStringLiteral("order list"), path, failure);
        return false;
    }
    return true;
}
