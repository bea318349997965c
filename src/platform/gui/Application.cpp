#include "platform/gui/Application.h"

#include "platform/gui/Pictures.h"
#include "platform/gui/Window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace Application {

namespace {

bool s_quitting = false;
int s_signalPipe[2] = {-1, -1};

void onSigterm(int)
{
    const char c = 1;
    // Only async-signal-safe work here: wake the event loop, which quits.
    [[maybe_unused]] ssize_t n = ::write(s_signalPipe[0], &c, 1);
}

void installSigterm()
{
    if (s_signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(s_signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char c;
        [[maybe_unused]] ssize_t n = ::read(s_signalPipe[1], &c, 1);
        quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSigterm;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
}

// The interface is Japanese: prefer a font that has the glyphs when the default lacks them.
void chooseJapaneseFont()
{
    const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    if (families.isEmpty())
        return;
    QFont font = QApplication::font();
    if (families.contains(font.family()))
        return;
    static const char* preferred[] = {"Noto Sans CJK JP", "Noto Sans JP", "IPAexGothic",
                                      "IPAGothic", "TakaoPGothic", "VL PGothic"};
    QString chosen = families.first();
    for (const char* name : preferred) {
        if (families.contains(QLatin1String(name))) {
            chosen = QLatin1String(name);
            break;
        }
    }
    font.setFamilies({font.family(), chosen});
    QApplication::setFont(font);
}

} // namespace

void prepare()
{
    QApplication::setApplicationName(QStringLiteral("Cloakswitch"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setWindowIcon(Pictures::programIcon());
    chooseJapaneseFont();
    installSigterm();
    // The session ending quits like Ctrl+Q: no question, preferences saved.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [](QSessionManager&) { quit(); }, Qt::DirectConnection);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] {
        s_quitting = true;
        for (Window* w : Window::openWindows())
            w->closeForQuit();
    });
}

int exec(int argc, char** argv, const std::function<void()>& start,
         const std::function<void()>& finish)
{
    // Local time for every date of a listing: without TZ, glibc looks at /etc/localtime
    // again for each conversion.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    prepare();
    QTimer::singleShot(0, start);
    const int status = app.exec();
    // Windows and their timers go while the application object still exists.
    if (finish)
        finish();
    return status;
}

void quit()
{
    s_quitting = true;
    bool allClosed = true;
    for (Window* w : Window::openWindows())
        allClosed = w->closeForQuit() && allClosed;
    if (!allClosed) {
        s_quitting = false; // a window refused: the program goes on
        return;
    }
    QCoreApplication::quit();
}

bool quitting()
{
    return s_quitting;
}

void beep()
{
    QApplication::beep();
}

void doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace Application
