#pragma once

#include <QString>

class QWidget;

// The tools' and help windows' messages and questions.
namespace ToolsMessages {

// Before a web page opens: true for OK.
bool askOpenWebPage(QWidget *parent, const QString &question);
void noBrowser(QWidget *parent);
void noSystemInformation(QWidget *parent);

} // namespace ToolsMessages
