#include "app/dialogprompts.h"

#include "core/systemcolours.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

std::optional<ColourValue> DialogPrompts::ChooseColour(QWidget *parent, ColourValue initial)
{
    const QColor colour = QColorDialog::getColor(ResolveColour(initial), parent);
    if (!colour.isValid())
        return std::nullopt;
    return ColourOf(colour);
}

bool DialogPrompts::Confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void DialogPrompts::Warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

void DialogPrompts::RunModal(QDialog &dialog)
{
    dialog.exec();
}

void DialogPrompts::Beep()
{
    QApplication::beep();
}

std::optional<QString> DialogPrompts::ChooseFont(QWidget *parent, const QString &family)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, QFont(family), parent);
    return chosen ? std::optional(font.family()) : std::nullopt;
}

QString DialogPrompts::SaveFileName(QWidget *parent, const QString &title, const QString &filters,
                                    QString &filter)
{
    QFileDialog dialog(parent, title, {}, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectNameFilter(filter);
    // The dialog puts the chosen type's ending on a name typed without one before it asks about
    // replacing a file, so "out" does not replace out.gpl unasked.
    const auto takeEnding = [&dialog](const QString &chosen) {
        // "GIMP palette (*.gpl)" ends in gpl.
        dialog.setDefaultSuffix(chosen.section(QLatin1String("*."), 1).section(u')', 0, 0));
    };
    takeEnding(filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeEnding);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

QString DialogPrompts::OpenFileName(QWidget *parent, const QString &title, const QString &filters)
{
    return QFileDialog::getOpenFileName(parent, title, {}, filters);
}
