#include "compiler/HeadlessCompileHost.h"

#include "compiler/NameRules.h"
#include "project/SlideShowProject.h"

HeadlessCompileHost::HeadlessCompileHost(CompileAnswers answers, const QDate& today,
                                         QTextStream& log)
    : answers(std::move(answers)), today(today), log(log), console(log) {}

bool HeadlessCompileHost::acceptName(SlideShowProject& p, const QString& name, const QString& key) {
    if (!IsBlankName(name))
        return true;
    console.messageBox({QStringLiteral("Name needed, Please type in a Name."),
                        QStringLiteral("Please type in a Name."), MsgButtons::Ok, MsgIcon::Critical,
                        std::nullopt});
    reason = name.isEmpty() ? key + QStringLiteral(" is empty once the characters ? \\ : * < > | "
                                                   ". / are dropped")
                            : key + QStringLiteral(" holds only blanks");
    p.flags.CompileCancelled = true;
    return false;
}

void HeadlessCompileHost::answerCompileQuestions() {
    console.answer(QStringLiteral("Compile your Slide Show Now?"), MsgResult::Yes);
    console.answer(QStringLiteral("To Go Back Select 'No' Or 'Cancel'"), MsgResult::Yes);
    console.markAsWarning(QStringLiteral("To Go Back Select 'No' Or 'Cancel'"));
    console.answerInput(QStringLiteral("Please Enter a one line message."), answers.TitleMessage);
}

void HeadlessCompileHost::AskPageName(SlideShowProject& p) {
    const QString name =
        answers.FirstPageName.value_or(FilterNameText(ProposedPageName(today)).toLower());
    p.names.FirstPageName = name;
    acceptName(p, name, QStringLiteral("FirstPageName"));
}

void HeadlessCompileHost::GetFolderName(SlideShowProject& p) {
    if (++folderAsks > 1) {
        // The folder could not be made; asking again would give the same name.
        reason = QStringLiteral("the show folder could not be created");
        p.flags.CompileCancelled = true;
        return;
    }
    const QString name = answers.ShowFolderName.value_or(
        FilterNameText(ProposedFolderName(p.names.FirstPageName)).toLower());
    p.names.ShowFolderName = name;
    acceptName(p, name, QStringLiteral("ShowFolderName"));
}

void HeadlessCompileHost::hideProgress() {
    log << "Copying files: done\n";
    log.flush();
}

void HeadlessCompileHost::showProgress(int maximum) {
    progressMaximum = maximum;
    lastTenth = -1;
    setProgress(0);
}

void HeadlessCompileHost::setProgress(int value) {
    if (progressMaximum <= 0)
        return;
    const int tenth = qBound(0, value * 10 / progressMaximum, 10);
    if (tenth == lastTenth)
        return;
    lastTenth = tenth;
    log << "Copying files: " << tenth * 10 << "% (" << value << " of " << progressMaximum << ")\n";
    log.flush();
}

void HeadlessCompileHost::setClipProgress(int value, double seconds, double duration) {
    const int tenth = duration > 0 ? qBound(0, int(seconds * 10 / duration), 10) : 0;
    if (value == clipStep && tenth == clipTenth)
        return;
    clipStep = value;
    clipTenth = tenth;
    log << "Encoding a clip: " << tenth * 10 << "% (" << QString::number(seconds, 'f', 1) << " of "
        << QString::number(duration, 'f', 1) << " s)\n";
    log.flush();
}
