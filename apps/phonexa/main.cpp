#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Phonexa"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Phonexa"));
    window.show();
    return QApplication::exec();
}
