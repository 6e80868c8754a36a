// The yardstick for Pixador's start-up: an empty Qt main window with an MDI area and a menu
// bar, started the same way.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    window.menuBar()->addMenu("&File");
    window.show();
    return QApplication::exec();
}
