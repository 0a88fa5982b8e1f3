#pragma once

#include <QWidget>

// The folder symbol on a soft accent-coloured tile that leads the main window's header;
// the symbol stands out from the tile by at least 3:1 in any palette.
class FolderBadge : public QWidget
{
    Q_OBJECT

public:
    explicit FolderBadge(QWidget *parent = nullptr);

    QSize sizeHint() const override { return { 46, 46 }; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
