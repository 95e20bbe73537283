#include "UtilityCatalog.h"
#include "app/HintPause.h"
#include "app/Launcher.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvik 2"));
    // Help hints stay up as long as the pointer rests on their control.
    setHintHidePause(16777216);
    // The program lives in the tray with no window showing; only the
    // launcher's way out ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    Launcher launcher(utilityCatalog());
    launcher.start();
    return app.exec();
}
