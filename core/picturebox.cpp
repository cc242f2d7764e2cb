#include "core/picturebox.h"

#include "core/systemcolours.h"
#include "core/twips.h"

#include <QPainter>
#include <QVarLengthArray>
#include <cstring>

namespace {

// The pixels a box covers, both corners included, whatever their order.
QRect PixelBox(int x1, int y1, int x2, int y2)
{
    const int twips = TwipsPerPixel();
    return QRect(QPoint(std::min(x1, x2) / twips, std::min(y1, y2) / twips),
                 QPoint(std::max(x1, x2) / twips, std::max(y1, y2) / twips));
}

QRgb Rgb(ColourValue colour)
{
    return ResolveColour(colour).rgb();
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent), m_image(1, 1, QImage::Format_RGB32), m_backColour(0x8000000F)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    Cls();
}

void PictureBox::SetBackColour(ColourValue colour)
{
    m_backColour = colour;
}

const QImage &PictureBox::Image() const
{
    return Surface();
}

QImage &PictureBox::Surface() const
{
    if (m_image.size() != size()) {
        QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        image.fill(Rgb(m_backColour));
        QPainter(&image).drawImage(0, 0, m_image);
        m_image = image;
    }
    return m_image;
}

void PictureBox::Cls()
{
    Surface().fill(Rgb(m_backColour));
    update();
}

// Boxes are filled straight into the image: a palette is hundreds of them, and a painter opened
// for each would cost more than all the filling. The first row is filled, the others copied.
void PictureBox::Fill(const QRect &pixels, QRgb rgb)
{
    QImage &image = Surface();
    const QRect clipped = pixels & image.rect();
    if (clipped.isEmpty())
        return;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto *first = reinterpret_cast<QRgb *>(bits + clipped.top() * stride) + clipped.left();
    std::fill_n(first, clipped.width(), rgb);
    for (int y = clipped.top() + 1; y <= clipped.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb *>(bits + y * stride) + clipped.left(), first,
                    clipped.width() * sizeof(QRgb));
    update(clipped);
}

void PictureBox::FilledBox(int x1, int y1, int x2, int y2, ColourValue colour)
{
    Fill(PixelBox(x1, y1, x2, y2), Rgb(colour));
}

void PictureBox::Box(int x1, int y1, int x2, int y2, ColourValue border, ColourValue fill)
{
    const QRect box = PixelBox(x1, y1, x2, y2);
    Fill(box, Rgb(border));
    Fill(box.adjusted(1, 1, -1, -1), Rgb(fill));
}

void PictureBox::Line(int x1, int y1, int x2, int y2, ColourValue colour)
{
    const QPoint from(TwipsToPixels(x1), TwipsToPixels(y1));
    const QPoint to(TwipsToPixels(x2), TwipsToPixels(y2));
    QPainter painter(&Surface());
    painter.setPen(QColor::fromRgb(Rgb(colour)));
    painter.drawLine(from, to);
    update();
}

ColourValue PictureBox::Point(int x, int y) const
{
    if (x < 0 || y < 0)
        return NoColour;
    return PixelColour(QPoint(TwipsToPixels(x), TwipsToPixels(y)));
}

ColourValue PictureBox::PixelColour(QPoint pixel) const
{
    const QImage &image = Surface();
    if (!image.valid(pixel))
        return NoColour;
    const QRgb rgb = image.pixel(pixel);
    return RgbColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// Each target pixel shows the picture's pixel its top-left corner falls on, as a stretch copy
// without smoothing does. Rows that show the same picture row are copied whole.
void PictureBox::PaintPicture(const QImage &picture, const QRect &pixels)
{
    QImage &image = Surface();
    const QRect clipped = pixels & image.rect();
    if (picture.isNull() || clipped.isEmpty())
        return;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QVarLengthArray<int, 256> columns(clipped.width());
    for (int x = clipped.left(); x <= clipped.right(); ++x)
        columns[x - clipped.left()] = (x - pixels.left()) * source.width() / pixels.width();
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    int shownRow = -1;
    const QRgb *shown = nullptr;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const int sy = (y - pixels.top()) * source.height() / pixels.height();
        auto *to = reinterpret_cast<QRgb *>(bits + y * stride) + clipped.left();
        if (sy == shownRow) {
            std::memcpy(to, shown, clipped.width() * sizeof(QRgb));
            continue;
        }
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(sy));
        for (qsizetype i = 0; i < columns.size(); ++i)
            to[i] = 0xFF000000 | from[columns[i]];
        shownRow = sy;
        shown = to;
    }
    update(clipped);
}

void PictureBox::Outline(const QRect &pixels, ColourValue colour)
{
    const QRgb rgb = Rgb(colour);
    Fill(QRect(pixels.topLeft(), QSize(pixels.width(), 1)), rgb);
    Fill(QRect(pixels.bottomLeft(), QSize(pixels.width(), 1)), rgb);
    Fill(QRect(pixels.topLeft(), QSize(1, pixels.height())), rgb);
    Fill(QRect(pixels.topRight(), QSize(1, pixels.height())), rgb);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), Image());
}
