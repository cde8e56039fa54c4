#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every message and question of the program is built here, so each one is a real message box
// with its exact text, buttons, icon and title.
namespace Messages {

// The title of nearly every message box.
QString applicationTitle();

// Shows a modal message box and returns the button chosen (Escape gives the escape button
// Qt picks for the set).
QMessageBox::StandardButton show(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::Icon icon, const QString &title = applicationTitle());

// The four standard messages of the calculators.
void warnDataMissing(QWidget *parent);
void warnMaximumCalculation(QWidget *parent);
void warnLabourMissing(QWidget *parent);
void notifySentToTotals(QWidget *parent);
// A calculator's "More Info" note, and the brick page's hint before anything is entered.
void showNote(QWidget *parent, const QString &note);
void showStartHint(QWidget *parent, const QString &hint);
// An export to a document ("Text", "Grid") that could not be written, and one that was written but
// has no program to open it (`program`: "Word", "Excel"), with where it is, so the work is not lost.
void warnExportFailed(QWidget *parent, const QString &what, const QString &reason);
void notifyExportedButNotOpened(QWidget *parent, const QString &program, const QString &what,
                                const QString &path);
// The slab coverage window without a thickness.
void warnThicknessMissing(QWidget *parent);

} // namespace Messages
