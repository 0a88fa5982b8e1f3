#pragma once

#include "ForegroundStyle.h"
#include "TextStyle.h"

#include <QLabel>

// A plain-text label in one of the named text and foreground styles. Names of files
// and folders are shown verbatim (never as rich text). It keeps to one line and cuts a
// text that does not fit with an ellipsis instead of widening its window.
class StyledLabel : public QLabel
{
    Q_OBJECT

public:
    StyledLabel(const QString &text, TextStyle style, bool bold, ForegroundStyle foreground,
        QWidget *parent = nullptr);

    void setForegroundStyle(ForegroundStyle foreground);
    ForegroundStyle foregroundStyle() const { return m_foreground; }

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ForegroundStyle m_foreground;
};
