#include "app/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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
        return QCoreApplication::translate("frmMain", "No program could open the manual");
    return {};
}
