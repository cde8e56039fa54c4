#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>

#include <QAbstractButton>
#include <QMetaEnum>

namespace TestSupport {

ModalWatch onNextModalWidget(std::function<void(QWidget *)> action, int timeoutMs)
{
    auto *timer = new QTimer;
    auto remaining = std::make_shared<int>(timeoutMs / 10);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, remaining, action] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            action(w);
        } else if (--*remaining <= 0) {
            timer->stop();
        }
    });
    timer->start();
    return ModalWatch(timer, [](QObject *object) { object->deleteLater(); });
}

QString summary(const ShownMessage &message)
{
    QStringList buttons;
    for (const auto &[button, name] : {std::pair{QMessageBox::Ok, "Ok"}, {QMessageBox::Yes, "Yes"},
                                       {QMessageBox::No, "No"}, {QMessageBox::Cancel, "Cancel"}}) {
        if (message.buttons & button)
            buttons << QLatin1String(name);
    }
    return message.title + " / " + QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(message.icon) + " / " +
           buttons.join('|') + " / " + message.text;
}

MessageAnswers::MessageAnswers(QList<QMessageBox::StandardButton> answers) : m_answers(std::move(answers))
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_last || m_answers.isEmpty())
            return;
        m_last = box;
        seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        if (QAbstractButton *button = box->button(m_answers.takeFirst()))
            button->click();
        else
            box->reject();
    });
    m_timer.start();
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

QString MessageAnswers::waitFor(qsizetype n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return seen.size() > n; }, timeoutMs) ? summary(seen.at(n)) : QString();
}

} // namespace TestSupport
