#pragma once

#include <QWidget>

// The Options page: the background colour and the program font, one choice each.
class OptionsPage final : public QWidget
{
    Q_OBJECT

public:
    // Fills `frame` (myframe(300)) and lives inside it.
    explicit OptionsPage(QWidget *frame);
};
