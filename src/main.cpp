#include "captionstyle/ui/SampleBrowser.h"
#include "compiler/CompileCommand.h"
#include "editor/ui/CaptionStyleCommand.h"
#include "editor/ui/ColorToolWiring.h"
#include "editor/ui/CompileWiring.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/OpenSorter.h"
#include "editor/ui/PublishWiring.h"
#include "editor/ui/ShowFileCommands.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolder.h"
#include "platform/ui/QtPrompter.h"
#include "publish/PublishCommand.h"
#include "support/ui/SplashWindow.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
// The names the settings and the message boxes go by.
void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Pevrano Slide Show"));
    QCoreApplication::setOrganizationName(QStringLiteral("Pevrano"));
}

// The command line's commands (the headless compile, --help) run before any
// window exists, on a core application: they need no display.
int RunCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    NameApplication();
    LocalFileSystem fs;
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == u"publish") {
        PublishContext publish{fs,
                               ProgramFolder(),
                               QDir::homePath(),
                               QDir::currentPath(),
                               QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
                               QDateTime::currentDateTime(),
                               out,
                               err};
        publish.terminal = isatty(STDERR_FILENO) != 0;
        return RunPublishCommand(arguments.mid(2), publish);
    }
    CommandContext context{fs,
                           ProgramFolder(),
                           QDir::homePath(),
                           QDir::currentPath(),
                           QDateTime::currentDateTime(),
                           out,
                           err};
    return RunCommandLine(arguments, context);
}

// The main windows of this run: the first one, and one more for each further
// show restored after a crash. Each has its own dialogs and side windows.
class MainWindows {
public:
    MainWindow& Open() {
        auto window = std::make_unique<Window>();
        MainWindow& form = *window->form;
        window->prompter.setParent(&form);
        ConnectCompileCommand(form);
        ConnectPublishCommand(form);
        ConnectCaptionStyle(form, WritableProgramFolder());
        ConnectColorTool(form);
        ConnectPictureSorter(form);
        form.seams.openWindow = [this] {
            MainWindow& other = Open();
            other.show();
            return &other;
        };
        windows.push_back(std::move(window));
        return form;
    }

private:
    struct Window {
        QtPrompter prompter;
        std::unique_ptr<MainWindow> form = std::make_unique<MainWindow>(prompter);
    };
    std::vector<std::unique_ptr<Window>> windows;
};

QStringList Arguments(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}
} // namespace

int main(int argc, char* argv[]) {
    if (IsCommandLine(Arguments(argc, argv)))
        return RunCommand(argc, argv);
    // The caption style preview's web engine starts later, in this process.
    PrepareSampleBrowser();
    QApplication app(argc, argv);
    NameApplication();
    // The installed desktop entry and the icon it names.
    QGuiApplication::setDesktopFileName(QStringLiteral("pevrano-slideshow"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("pevrano-slideshow"),
        QIcon(QDir(ProgramFolder()).filePath(QStringLiteral("pevrano-slideshow.png")))));
    MainWindows windows;
    MainWindow& window = windows.Open();
    // The splash comes first and shows the main window after its delay; a
    // crashed session's show is offered then, and `pevrano-slideshow
    // SHOW.json` opens the show in the window.
    const QStringList arguments = QCoreApplication::arguments();
    SplashWindow splash([&window, arguments] {
        window.show();
        window.showFiles().StartUp(arguments.size() == 2 ? arguments[1] : QString());
    });
    splash.show();
    return app.exec();
}
