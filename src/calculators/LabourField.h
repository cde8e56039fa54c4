#pragma once

class QLineEdit;

// Makes `field` a labour field: only digits can be typed or pasted into it (navigation and
// editing keys work as anywhere else), and a click into it while it still holds its start value,
// zero in currency form, selects that value so typing replaces it.
void installDigitsOnlyFilter(QLineEdit *field);
