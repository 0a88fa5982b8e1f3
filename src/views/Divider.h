#pragma once

#include <QWidget>

// A hairline between areas of a window, a faint tone of the palette's text colour.
class Divider : public QWidget
{
    Q_OBJECT

public:
    explicit Divider(Qt::Orientation orientation = Qt::Horizontal, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // Lays `sheet` out as its dialogs are: a header, the body taking the room, a footer,
    // a divider between each.
    static void stack(QWidget *sheet, QWidget *header, QLayout *body, QWidget *footer);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::Orientation m_orientation;
};
