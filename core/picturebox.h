#pragma once

#include "core/colour.h"

#include <QImage>
#include <QWidget>

// A picture box that keeps what is drawn into it in an image of its own size, so that it survives
// being covered and can be read back point by point. Everything is drawn and read in twips of the
// box; painting only shows the image.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The colour the box is cleared to; a system colour reference follows the desktop's palette.
    void SetBackColour(ColourValue colour);

    // Clears the whole image to the back colour.
    void Cls();
    // A box from corner to corner, both corners' pixels included, border and inside in one colour.
    void FilledBox(int x1, int y1, int x2, int y2, ColourValue colour);
    // The same box with a one-pixel border in border and the inside in fill.
    void Box(int x1, int y1, int x2, int y2, ColourValue border, ColourValue fill);
    // A one-pixel line from the first point to the second.
    void Line(int x1, int y1, int x2, int y2, ColourValue colour);
    // The colour shown at a point, or NoColour outside the box.
    [[nodiscard]] ColourValue Point(int x, int y) const;

    [[nodiscard]] const QImage &Image() const;

    // Pixel by pixel, for the magnifier.
    // Stretches picture over the pixels without smoothing: each of its pixels a sharp block.
    void PaintPicture(const QImage &picture, const QRect &pixels);
    // A one-pixel outline along the edge of the pixels.
    void Outline(const QRect &pixels, ColourValue colour);
    // The colour of one pixel, or NoColour outside the box.
    [[nodiscard]] ColourValue PixelColour(QPoint pixel) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Fill(const QRect &pixels, QRgb rgb);
    QImage &Surface() const;

    // The image follows the box's size, also while the box is hidden and gets no resize events.
    mutable QImage m_image;
    ColourValue m_backColour;
};
