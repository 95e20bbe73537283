// The yardstick for the launch time of the program: a bare Qt Widgets
// window of the splash's size and flags, started the same way, linked to
// nothing but Qt. scripts/measure-performance times both in one run.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setFixedSize(536, 154);
    window.show();
    return app.exec();
}
