#pragma once

#include <QBasicTimer>
#include <QWidget>

// An indeterminate progress spinner; it turns only while it is shown.
class BusySpinner : public QWidget
{
    Q_OBJECT

public:
    explicit BusySpinner(QWidget *parent = nullptr);

    QSize sizeHint() const override { return { 14, 14 }; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QBasicTimer m_timer;
    int m_step = 0;
};
