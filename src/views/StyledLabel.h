#pragma once

#include "ForegroundStyle.h"
#include "TextStyle.h"

#include <QLabel>

// A plain-text label in one of the named text and foreground styles. Names of files
// and folders are shown verbatim (never as rich text). It keeps to one line and cuts a
// text that does not fit with an ellipsis instead of widening its window, unless it
// is told to wrap.
class StyledLabel : public QLabel
{
    Q_OBJECT

public:
    StyledLabel(const QString &text, TextStyle style, bool bold, ForegroundStyle foreground,
        QWidget *parent = nullptr);

    void setForegroundStyle(ForegroundStyle foreground);
    ForegroundStyle foregroundStyle() const { return m_foreground; }
    // A colour of its own instead of the foreground style; an invalid colour goes back.
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

    QSize minimumSizeHint() const override;
    // With word wrap on (QLabel::setWordWrap), the text wraps, at word boundaries where
    // it can and anywhere where a word (a long path) is wider than the line.
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ForegroundStyle m_foreground;
    QColor m_color;
};
