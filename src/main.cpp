#include "editor/ui/Form1.h"
#include "platform/ui/QtPrompter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pevrano Slide Show"));
    QApplication::setOrganizationName(QStringLiteral("Pevrano"));
    QtPrompter prompter;
    Form1 window(prompter);
    prompter.setParent(&window);
    window.show();
    return app.exec();
}
