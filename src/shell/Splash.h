#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// frmSplash: shown while the program starts; ready to close after its delay or on Escape.
class Splash final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 3 * 1000;

    explicit Splash(QWidget *parent = nullptr);

    bool readyToClose() const { return m_readyToClose; }
    void setReadyToClose(bool ready);

    // The delay of tmrDelay; restarts it. Tests shorten it instead of sleeping.
    void setDelay(int milliseconds);
    int delay() const;

signals:
    void readyToCloseChanged(bool ready);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void load();

    QPixmap m_picture;
    QLabel *m_version = nullptr;
    QTimer *m_delay = nullptr;
    bool m_readyToClose = false;
};
