// The yardstick for the start-up benchmark: the least a Qt Widgets program
// does to put a window on the screen (an empty QMainWindow). The desktop
// calculator's start-up time and peak memory are reported as ratios to it.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Qt empty window"));
    window.resize(320, 240);
    window.show();
    return QApplication::exec();
}
