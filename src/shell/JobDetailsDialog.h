#pragma once

#include "core/Job.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

// frmJobDetails: who the job is for and how the estimate is numbered.
class JobDetailsDialog final : public QDialog
{
    Q_OBJECT

public:
    JobDetailsDialog(const JobDetails &details, QWidget *parent);

    JobDetails details() const;

    // Shows the dialog on `details`; the edited details after OK, nothing after Cancel.
    static std::optional<JobDetails> edit(QWidget *parent, const JobDetails &details);

private:
    QLineEdit *newLine(const QString &name, const QString &text);

    QLineEdit *m_jobName = nullptr;
    QLineEdit *m_customer = nullptr;
    QLineEdit *m_siteAddress = nullptr;
    QLineEdit *m_phone = nullptr;
    QLineEdit *m_email = nullptr;
    QDateEdit *m_date = nullptr;
    QLineEdit *m_estimateNumber = nullptr;
    QPlainTextEdit *m_remarks = nullptr;
};
