#pragma once

#include <QWidget>

class QLabel;

// The content of the start page: a welcome, decorative lines and the link label Label3 to the
// maker's web site.
class StartPage final : public QWidget
{
    Q_OBJECT

public:
    // Built inside `frame` (myframe(26)), which the main window lays it into.
    explicit StartPage(QWidget *frame);

    QLabel *link() const { return m_link; }

signals:
    // Label3 was clicked.
    void linkClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_link = nullptr;
};
