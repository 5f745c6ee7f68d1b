#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sayloom"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Sayloom"));
    window.show();
    return QApplication::exec();
}
