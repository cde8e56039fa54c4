#include "tools/CalendarWindow.h"

#include <QCalendarWidget>
#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *newClockLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setFamily(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(12);
    label->setFont(font);
    label->setMinimumWidth(160);
    return label;
}

} // namespace

CalendarWindow::CalendarWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Calendar"));

    auto *month = new QCalendarWidget(this);
    month->setObjectName(QStringLiteral("MonthView1"));
    month->setSelectedDate(QDate::currentDate());

    auto *dateCaption = new QLabel(QStringLiteral("Date"), this);
    dateCaption->setObjectName(QStringLiteral("Label3(0)"));
    m_date = newClockLabel(QStringLiteral("Label1"), this);
    auto *timeCaption = new QLabel(QStringLiteral("Time"), this);
    timeCaption->setObjectName(QStringLiteral("Label3(1)"));
    m_time = newClockLabel(QStringLiteral("Label2"), this);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    // The mouse closes the window as the button goes down; the keyboard works the usual way.
    m_ok->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *clock = new QGridLayout;
    clock->addWidget(dateCaption, 0, 0);
    clock->addWidget(m_date, 0, 1);
    clock->addWidget(timeCaption, 1, 0);
    clock->addWidget(m_time, 1, 1);
    clock->setColumnStretch(1, 1);

    auto *column = new QVBoxLayout(this);
    column->addWidget(month);
    column->addLayout(clock);
    column->addWidget(m_ok, 0, Qt::AlignRight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The date and time stay empty until the first tick.
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, &CalendarWindow::tick);
    timer->start();
}

QString CalendarWindow::clockTimeFormat(const QLocale &locale)
{
    // Drops every unquoted run of 't' (the time zone) with the blanks before it.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            continue;
        }
        if (!quoted && c == QLatin1Char('t')) {
            while (result.endsWith(QLatin1Char(' ')))
                result.chop(1);
            continue;
        }
        result += c;
    }
    return result.trimmed();
}

void CalendarWindow::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(locale.toString(now.time(), clockTimeFormat(locale)));
}

bool CalendarWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ok && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
