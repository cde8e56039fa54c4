#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The pieces the help windows (about box, credits, readme) are built from, each named as the
// program's controls are named.
namespace DialogParts {

// A label reading `text`, named `name`.
QLabel *newLabel(const QString &text, const QString &name, QWidget *parent);

// A push button reading `caption`, named `name`.
QPushButton *newButton(const QString &caption, const QString &name, QWidget *parent);

// The dialog's "OK": its default button, named `name`, which accepts `dialog`.
QPushButton *newOkButton(const QString &name, QDialog *dialog);

// A row holding `button` at its right end.
QHBoxLayout *rowAtRight(QPushButton *button);

} // namespace DialogParts
