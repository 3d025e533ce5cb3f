// The yardstick for start-up: a bare Qt program that shows an 800x600 window and saves its first
// frame, as `vidorev --screenshot FILE` does with the desk.
//
//   bare_window FILE
#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fputs("usage: bare_window FILE\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
