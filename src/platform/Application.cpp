#include "Application.h"

#include "Platform.h"

#include <exception>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(applicationTitle());
    setApplicationDisplayName(applicationTitle());
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportUncaught(QString::fromUtf8(e.what()));
    } catch (...) {
        reportUncaught(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace platform
