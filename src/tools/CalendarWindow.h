#pragma once

#include <QDialog>

class QLabel;
class QLocale;
class QPushButton;

// frmCalendar: a month calendar on today's date and a clock that shows the current date and
// time once a second. Nothing chosen in it goes back to the program.
class CalendarWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit CalendarWindow(QWidget *parent = nullptr);

    // How the clock writes the time: the locale's long time format without a time-zone name,
    // so the seconds show.
    static QString clockTimeFormat(const QLocale &locale);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tick();

    QLabel *m_date = nullptr;
    QLabel *m_time = nullptr;
    QPushButton *m_ok = nullptr;
};
