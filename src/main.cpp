#include "app/HintPause.h"
#include "app/Menu.h"
#include "app/Mmain.h"

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

    TMM splash;
    TMenu1 menu;
    splash.show();
    return app.exec();
}
