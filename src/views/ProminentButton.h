#pragma once

#include <QPushButton>

// A window's main command in the filled accent colour. The fill is deepened where the
// accent is too light for its text to read (at least 4.5:1) and painted flat, exactly
// in that colour; keyboard focus shows as a ring along the fill's edge, which the
// style's own focus frame would blend into.
class ProminentButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ProminentButton(const QString &text = {}, QWidget *parent = nullptr);

    // The fill as painted now (hovered and pressed a shade further from the text).
    QColor paintedFill() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyFill();

    bool m_applying = false;
};
