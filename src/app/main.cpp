#include "app/Forms.h"
#include "app/TfrmMain.h"
#include "platform/Application.h"
#include "platform/Skin.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::applyBlackSkin(app);
    createForms();
    TfrmMain* main = forms().frmMain;
    // Without a window manager a maximized window keeps its design size; fill the screen then.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main->setGeometry(screen->availableGeometry());
    main->showMaximized();
    // The start-up runs on the first activation; a desktop without a window manager may
    // never activate the window, so it is also started once the event loop runs.
    QTimer::singleShot(0, main, [main] { main->FormActivate(); });
    const int rc = app.exec();
    destroyForms();
    return rc;
}
