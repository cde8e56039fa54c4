#pragma once

#include <QWidget>

class QGroupBox;

// The Text Editor page: the user's job notes.
class EditorPage final : public QWidget
{
    Q_OBJECT

public:
    // Fills `frame` (myframe(9)) and lives inside it.
    explicit EditorPage(QGroupBox *frame);
};
