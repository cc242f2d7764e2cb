#include "finder/finderoverlay.h"

#include "core/picturebox.h"
#include "finder/screenmap.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int Gap = 24; // logical pixels between the hot spot and the view, past the reticle
constexpr int Padding = 4;
constexpr int Lines = 5; // the coordinates, the three parts and the hex text

} // namespace

FinderOverlay::FinderOverlay(QScreen *screen, QImage picture, const FinderControls &controls,
                             QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_picture(std::move(picture)),
      m_controls(controls), m_screen(screen->geometry()), m_screens(ScreenPlaces()),
      m_hotSpot(-1, -1)
{
    // As wide as the view or its widest readouts, whichever is wider.
    const QSize view = m_controls.picFinder->size();
    const int widest =
        std::max({view.width(), fontMetrics().horizontalAdvance(tr("X: %1  Y: %1").arg(-8888)),
                  fontMetrics().horizontalAdvance(tr("R: 255  0.502  100%"))});
    m_panelSize =
        QSize(widest + 2 * Padding, view.height() + 2 * Padding + Lines * fontMetrics().height());
    setWindowTitle(tr("Finder"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setScreen(screen);
    setGeometry(m_screen);
}

void FinderOverlay::Follow(QPoint hotSpot)
{
    const QRect before = PanelRect();
    m_hotSpot = LogicalPoint(hotSpot, m_screens) - QPointF(m_screen.topLeft());
    update(before | PanelRect());
}

// A Wayland desktop gives the keys to a window on a request made from the window that holds them,
// and the program learns that the desktop's click gave them to this overlay only a moment after
// the click. So the overlay asks once it holds them, and stays, showing the same still screen
// without the view, until next has them, or a second where the desktop keeps them.
void FinderOverlay::Close(QWidget *next)
{
    m_next = next;
    update(PanelRect());
    m_hotSpot = QPointF(-1, -1);
    QTimer::singleShot(1000, this, &QObject::deleteLater);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &FinderOverlay::FocusMoved);
    FocusMoved(QGuiApplication::focusWindow());
}

void FinderOverlay::FocusMoved(QWindow *focus)
{
    if (focus == windowHandle())
        m_next->activateWindow();
    else if (focus == m_next->windowHandle())
        deleteLater();
}

QRect FinderOverlay::PanelRect() const
{
    if (!rect().contains(m_hotSpot.toPoint()))
        return {};
    const QSize size = m_panelSize;
    QPoint at = m_hotSpot.toPoint() + QPoint(Gap, Gap);
    if (at.x() + size.width() > width())
        at.rx() -= 2 * Gap + size.width();
    if (at.y() + size.height() > height())
        at.ry() -= 2 * Gap + size.height();
    return QRect(at, size);
}

void FinderOverlay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_picture,
                      QRectF(QPointF(event->rect().topLeft()) * m_picture.devicePixelRatio(),
                             QSizeF(event->rect().size()) * m_picture.devicePixelRatio()));
    const QRect panel = PanelRect();
    if (panel.isEmpty())
        return;
    // A frame of one pixel inside the panel: a pen would reach past it on a scaled screen.
    painter.fillRect(panel, palette().windowText());
    painter.fillRect(panel.adjusted(1, 1, -1, -1), palette().window());
    painter.setPen(palette().windowText().color());
    const QRect view(panel.topLeft() + QPoint(Padding, Padding), m_controls.picFinder->size());
    painter.drawImage(view, m_controls.picFinder->Image());
    const FinderControls &c = m_controls;
    const QString readouts[Lines] = {
        tr("X: %1  Y: %2").arg(c.lblXCoord->text(), c.lblYCoord->text()),
        tr("R: %1  %2  %3").arg(c.values[0]->text(), c.fractions[0]->text(), c.percents[0]->text()),
        tr("G: %1  %2  %3").arg(c.values[1]->text(), c.fractions[1]->text(), c.percents[1]->text()),
        tr("B: %1  %2  %3").arg(c.values[2]->text(), c.fractions[2]->text(), c.percents[2]->text()),
        QLatin1Char('#') + HexText(c.picFinder->Point(647, 647))};
    QRect line(view.bottomLeft() + QPoint(0, 1),
               QSize(panel.width() - 2 * Padding, fontMetrics().height()));
    for (const QString &readout : readouts) {
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, readout);
        line.translate(0, line.height());
    }
}

void FinderOverlay::enterEvent(QEnterEvent *event)
{
    PointerAt(event->position());
}

void FinderOverlay::mouseMoveEvent(QMouseEvent *event)
{
    PointerAt(event->position());
}

void FinderOverlay::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    PointerAt(event->position());
}

// A pointer that has not moved leaves the hot spot where the arrow keys put it.
void FinderOverlay::PointerAt(QPointF position)
{
    if (std::exchange(m_pointer, position) != position)
        emit Moved(DevicePoint(position + m_screen.topLeft(), m_screens));
}

void FinderOverlay::mouseReleaseEvent(QMouseEvent *)
{
    // The release of the press that began the pick, on the main window, is not a click here.
    if (std::exchange(m_pressed, false))
        emit Clicked();
}

void FinderOverlay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit Clicked();
    else
        emit KeyDown(event->key(), event->modifiers() & Qt::ShiftModifier ? 1 : 0);
}
