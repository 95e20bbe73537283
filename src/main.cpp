#include "app/HintPause.h"
#include "app/ProgramMenu.h"
#include "app/SplashWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvik 2"));
    // Help hints stay up as long as the pointer rests on their control.
    setHintHidePause(16777216);
    // The program lives in the tray with no window showing; only the
    // splash window's closing ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    SplashWindow splash;
    ProgramMenu menu;
    splash.show();
    return app.exec();
}
