#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pevrano Slide Show"));
    QApplication::setOrganizationName(QStringLiteral("Pevrano"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pevrano Slide Show"));
    window.resize(773, 573);
    window.show();
    return app.exec();
}
