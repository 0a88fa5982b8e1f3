#pragma once

#include <QToolButton>

// A flat button that shows only a symbol (the preview's close button). The style's focus
// frame on such a button is faint; keyboard focus shows instead as a ring in the accent
// colour, shifted until it stands out from the window behind it by at least 3:1.
class SymbolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit SymbolButton(QWidget *parent = nullptr);

    // The ring's colour in the current palette.
    QColor focusRingColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
