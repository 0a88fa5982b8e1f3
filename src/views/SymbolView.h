#pragma once

#include "ForegroundStyle.h"
#include "TextStyle.h"

#include <QWidget>

// A symbol standing in a line of text: sized by a text style, drawn in a foreground
// style of the palette.
class SymbolView : public QWidget
{
    Q_OBJECT

public:
    SymbolView(const QString &symbolName, TextStyle style, ForegroundStyle foreground,
        QWidget *parent = nullptr);

    QString symbolName() const { return m_symbolName; }
    // A tint of its own instead of the foreground style; an invalid colour goes back.
    void setTint(const QColor &tint);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbolName;
    ForegroundStyle m_foreground;
    QColor m_tint;
};
