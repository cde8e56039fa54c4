#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

// GCC says so with a macro, clang with a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define MORTARIX_TEST_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MORTARIX_TEST_ASAN
#endif
#endif

namespace TestSupport {

void isolateEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives for the whole test run; removed on exit.
    static QTemporaryDir home;
    const QByteArray config = QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit();
    const QByteArray runtime = QDir(home.path()).filePath(QStringLiteral("runtime")).toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(config));
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("XDG_RUNTIME_DIR", runtime);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString corpusDir()
{
    QString dir = qEnvironmentVariable("MORTARIX_CORPUS");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("MORTARIX_DEFAULT_CORPUS");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return {};
    return dir;
}

QStringList corpusRtfFiles()
{
    const QString dir = corpusDir();
    if (dir.isEmpty())
        return {};
    return QDir(dir + QStringLiteral("/rtf")).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
}

bool timingsApply()
{
#if defined(NDEBUG) && !defined(MORTARIX_TEST_ASAN)
    return true;
#else
    return false;
#endif
}

ModalWatch onNextModalWidget(std::function<void(QWidget *)> action, int timeoutMs)
{
    auto *timer = new QTimer;
    auto remaining = std::make_shared<int>(timeoutMs / 10);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, remaining, action] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            action(w);
            return;
        }
        if (--*remaining <= 0)
            timer->stop();
    });
    timer->start();
    return ModalWatch(timer, [](QObject *object) { object->deleteLater(); });
}

std::shared_ptr<SeenMessage> answerNextMessageBox(QMessageBox::StandardButton answer, int timeoutMs)
{
    auto seen = std::make_shared<SeenMessage>();
    std::weak_ptr<SeenMessage> weakSeen = seen;
    seen->watch = onNextModalWidget(
        [weakSeen, answer](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box)
                return;
            if (auto seen = weakSeen.lock()) {
                seen->shown = true;
                seen->title = box->windowTitle();
                seen->text = box->text();
                seen->icon = box->icon();
                seen->buttons = box->standardButtons();
            }
            if (QAbstractButton *b = box->button(answer))
                b->click();
            else
                box->reject();
        },
        timeoutMs);
    return seen;
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

} // namespace TestSupport
