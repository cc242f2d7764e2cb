#include "app/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

QString OpenManual()
{
    const QDir folder(QCoreApplication::applicationDirPath());
    QString manual = folder.filePath(QStringLiteral("pgmnt.chm"));
    if (!QFileInfo::exists(manual))
        manual = folder.filePath(QStringLiteral("help/index.html"));
    if (!QFileInfo::exists(manual))
        manual = QDir::cleanPath(folder.filePath(QStringLiteral(INSTALLED_MANUAL)));
    if (!QFileInfo::exists(manual))
        return QCoreApplication::translate("frmMain", "The manual is missing");
    // The desktop's handler runs on its own; nothing here waits for it.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual)))
        // Then the user can still open the file by hand.
        return QCoreApplication::translate("frmMain", "No program could open the manual at %1")
            .arg(QDir::toNativeSeparators(manual));
    return {};
}

HelpKey::HelpKey(std::function<void()> command, QObject *parent)
    : QObject(parent), m_command(std::move(command))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    // The key is taken here, on its way to the first window or widget that would get it: the
    // manual opens once, and a window that closes on any key (the Preview) stays until the
    // viewer takes the focus from it.
    if (!key->isAutoRepeat())
        m_command();
    return true;
}
