#include "app/frmsplash.h"

#include "core/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QStringLiteral("Tarvo Pigmenta"));
    setBackgroundRole(QPalette::Window);
    imgSplash = new QLabel(this);
    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->setPixmap(QPixmap(QStringLiteral(":/splash.png")));
    imgSplash->resize(imgSplash->sizeHint());
    imgSplash->move(0, 0);
    imgSplash->installEventFilter(this);
    resize(imgSplash->size());

    // Centred in whole twips, the halves dropping their remainders.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    const int left = PixelsToTwips(area.width()) / 2 - PixelsToTwips(width()) / 2;
    const int top = PixelsToTwips(area.height()) / 2 - PixelsToTwips(height()) / 2;
    move(area.topLeft() + QPoint(TwipsToPixels(left), TwipsToPixels(top)));
}

void frmSplash::ShowFor(std::chrono::milliseconds wait)
{
    show();
    repaint();
    // A timer runs on the monotonic clock, so the wait ends on time also across midnight, and the
    // program goes on handling events meanwhile without a busy loop.
    QTimer::singleShot(wait, this, &QWidget::close);
}

void frmSplash::Form_KeyDown()
{
    close();
}

void frmSplash::imgSplash_Click()
{
    close();
}

void frmSplash::keyPressEvent(QKeyEvent *)
{
    Form_KeyDown();
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgSplash && event->type() == QEvent::MouseButtonPress)
        imgSplash_Click();
    return QWidget::eventFilter(watched, event);
}
