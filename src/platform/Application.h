#pragma once

#include <QApplication>

namespace platform {

// The application object. An exception that no handler catches ends up here and is shown in
// the general error box; the program then goes on with its event loop.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace platform
