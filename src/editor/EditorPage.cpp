#include "editor/EditorPage.h"

#include <QGroupBox>
#include <QVBoxLayout>

EditorPage::EditorPage(QGroupBox *frame) : QWidget(frame)
{
    setObjectName(QStringLiteral("EditorContent"));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(this);
}
