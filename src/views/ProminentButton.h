#pragma once

#include <QPushButton>

// A window's main command in the filled accent colour. The fill is deepened where the
// accent is too light for its text to read (at least 4.5:1), and keyboard focus shows
// as a ring inside the fill, which the style's own focus frame would blend into.
class ProminentButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ProminentButton(const QString &text = {}, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyFill();

    bool m_applying = false;
};
