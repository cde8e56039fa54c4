#pragma once

#include <QString>

class QLabel;
class QWidget;

// The links to the maker's web site: a question first, then the page in the desktop's browser.
namespace WebLink {

// The question of the two link labels (start page and about box).
QString linkQuestion();
// The question of Help > Mortarix Online Help.
QString onlineHelpQuestion();

// Asks `question` (OK and Cancel) and opens `address` on OK. True when the answer was OK.
bool askAndOpen(QWidget *parent, const QString &question, const QString &address);

// Opens `address` in the desktop's browser; where that fails, says a browser is needed.
void openWebPage(QWidget *parent, const QString &address);

// Gives `label` the look of a link: a pointing hand over it, underlined dark blue text.
void showAsLink(QLabel *label);

// Gives `label` a single-line border while a mouse button is held on it, so it looks pressed.
void addPressedLook(QLabel *label);

} // namespace WebLink
