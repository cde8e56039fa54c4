#include "shell/JobDetailsDialog.h"

#include "shell/FormDialog.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

JobDetailsDialog::JobDetailsDialog(const JobDetails &details, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmJobDetails"));
    setWindowTitle(QStringLiteral("Job Details"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Job name:"),
                 m_jobName = newLine(QStringLiteral("txtJobName"), details.jobName));
    form->addRow(QStringLiteral("&Customer:"),
                 m_customer = newLine(QStringLiteral("txtCustomer"), details.customer));
    form->addRow(QStringLiteral("&Site address:"),
                 m_siteAddress = newLine(QStringLiteral("txtSiteAddress"), details.siteAddress));
    form->addRow(QStringLiteral("&Phone:"), m_phone = newLine(QStringLiteral("txtPhone"), details.phone));
    form->addRow(QStringLiteral("&E-mail:"), m_email = newLine(QStringLiteral("txtEmail"), details.email));
    m_date =
        new QDateEdit(details.estimateDate.isValid() ? details.estimateDate : QDate::currentDate(), this);
    m_date->setObjectName(QStringLiteral("txtEstimateDate"));
    m_date->setCalendarPopup(true);
    form->addRow(QStringLiteral("&Date of estimate:"), m_date);
    form->addRow(QStringLiteral("Estimate &number:"),
                 m_estimateNumber = newLine(QStringLiteral("txtEstimateNumber"), details.estimateNumber));
    m_remarks = new QPlainTextEdit(details.remarks, this);
    m_remarks->setObjectName(QStringLiteral("txtRemarks"));
    m_remarks->setTabChangesFocus(true);
    form->addRow(QStringLiteral("&Remarks:"), m_remarks);

    FormDialog::finish(this, form, 420);
}

QLineEdit *JobDetailsDialog::newLine(const QString &name, const QString &text)
{
    return FormDialog::newLine(this, name, text, JobDetails::kMaxLength);
}

JobDetails JobDetailsDialog::details() const
{
    return {m_jobName->text(),        m_customer->text(),
            m_siteAddress->text(),    m_phone->text(),
            m_email->text(),          m_date->date(),
            m_estimateNumber->text(), m_remarks->toPlainText().left(JobDetails::kMaxRemarksLength)};
}

std::optional<JobDetails> JobDetailsDialog::edit(QWidget *parent, const JobDetails &details)
{
    return FormDialog::edit(parent, details, &JobDetailsDialog::details);
}
