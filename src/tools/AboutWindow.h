#pragma once

#include <QDialog>

class QLabel;

// frmAbout: title, version, description, a disclaimer and the link to the maker's web site, with
// the system information program and the credits one click away.
class AboutWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openCredits();

    QLabel *m_link = nullptr;
};
