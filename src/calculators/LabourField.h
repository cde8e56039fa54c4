#pragma once

class QLineEdit;

// Lets only digits and Backspace through to `field`, the way the labour fields take input; keys
// that make no character (Delete, arrows) are not filtered.
void installDigitsOnlyFilter(QLineEdit *field);
