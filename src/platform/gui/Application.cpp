#include "platform/gui/Application.h"

#include <QApplication>
#include <QTimer>

int Application::exec(int argc, char** argv, const std::function<void()>& start)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cloakswitch");
    QApplication::setOrganizationName("Quillmark");
    QTimer::singleShot(0, start);
    return app.exec();
}
