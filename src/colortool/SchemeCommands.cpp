#include "colortool/SchemeCommands.h"

#include "colortool/ColorChart.h"
#include "colortool/ColorSchemeFile.h"
#include "platform/Prompter.h"
#include "support/clsFindFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SchemeCommands::SchemeCommands(ColorChart& chart, Prompter& ui, QString dataFolder)
    : chart(chart), ask(ui), folder(std::move(dataFolder)) {}

QStringList SchemeCommands::FindFilesInSingleDir(const QString& pattern) const {
    QStringList names;
    clsFindFile finder;
    for (QString name = finder.Find(QDir(folder).filePath(pattern), false); !name.isEmpty();
         name = finder.FindNext()) {
        if ((finder.FileAttributes() & clsFindFile::kDirectory) == 0 &&
            name.endsWith(QLatin1String("col"), Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

QString SchemeCommands::pathOf(const QString& name) const {
    return QDir(folder).filePath(name);
}

QString SchemeCommands::NameProblem(const QString& name) {
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    if (name.contains(QLatin1String("..")))
        return QStringLiteral("A Color Scheme name can not hold \"..\"");
    for (QChar c : name)
        if (refused.contains(c) || c.unicode() < 32)
            return QStringLiteral("A Color Scheme name can not hold folders or any of \\ / : * ? "
                                  "\" < > |");
    if (name.trimmed().isEmpty() || name.trimmed() == QLatin1String("."))
        return QStringLiteral("You must name the file!");
    return {};
}

bool SchemeCommands::refusedName(const QString& name) {
    const QString problem = NameProblem(name);
    if (problem.isEmpty())
        return false;
    ask.inform(problem, QStringLiteral("No file Name!"), MsgIcon::Critical);
    return true;
}

SchemeCommands::Outcome SchemeCommands::importScheme(const QString& name) {
    if (name.isEmpty()) {
        ask.inform(QStringLiteral("You must select a file, please!"),
                   QStringLiteral("No File Selected"), MsgIcon::Exclamation);
        return {false, false, true};
    }
    if (refusedName(name))
        return {false, false, true};
    const ColorSchemeRead read = ReadColorScheme(pathOf(name), kUserColorCount);
    // Every colour read is applied, also when other lines are not colours.
    for (qsizetype k = 0; k < read.colors.size(); ++k)
        if (const auto color = read.colors.at(k))
            chart.setUserColor(static_cast<int>(k), *color);
    if (!read.complete) {
        ask.inform(QStringLiteral("Error Openning File"),
                   QStringLiteral("File Error, Does this file exist?"), MsgIcon::Critical);
        return {false, true, true};
    }
    return {true, false, false};
}

bool SchemeCommands::WriteFile(const QString& name) {
    const auto colors = chart.userColors();
    if (WriteColorScheme(pathOf(name), QList<ColorValue>(colors.begin(), colors.end())))
        return true;
    ask.inform(QStringLiteral("The Color Scheme could not be saved to ") +
                   QDir::toNativeSeparators(pathOf(name)) +
                   QStringLiteral(".\r\n\r\nNothing was written; please try another name."),
               QStringLiteral("File Error"), MsgIcon::Critical);
    return false;
}

SchemeCommands::Outcome SchemeCommands::exportScheme(QString& name) {
    if (name.isEmpty()) {
        ask.inform(QStringLiteral("You must name the file!"), QStringLiteral("No file Name!"),
                   MsgIcon::Critical);
        return {false, false, true};
    }
    if (!name.endsWith(QLatin1String(".col")))
        name += QStringLiteral(".col");
    if (refusedName(name))
        return {false, false, true};
    const QFileInfo info(pathOf(name));
    if (info.exists() && !info.isFile()) {
        // A folder or some other entry of that name: nothing can be written.
        ask.inform(QStringLiteral("The Color Scheme could not be saved to ") +
                       QDir::toNativeSeparators(pathOf(name)) + QLatin1Char('.'),
                   QStringLiteral("File Error"), MsgIcon::Critical);
        return {false, false, true};
    }
    if (info.exists()) {
        const MsgResult answer = ask.messageBox(
            {QStringLiteral("1. File already exits, Write over it?...............Select Yes "
                            "\r\n\r\n2. I want to create a New File (New Name) Select No \r\n\r\n"),
             QStringLiteral("Use this file... ") + name + QStringLiteral("---- Select an Option! "),
             MsgButtons::YesNo, MsgIcon::Question, std::nullopt});
        if (answer != MsgResult::Yes)
            return {false, true, true};
    }
    // The file is replaced only once the new one is written in full, so a
    // failed export leaves the old scheme as it was.
    if (!WriteFile(name))
        return {false, false, true};
    return {true, false, false};
}

SchemeCommands::Outcome SchemeCommands::deleteScheme(const QString& name, QStringList& listed) {
    if (name.isEmpty()) {
        ask.inform(QStringLiteral("<<<Please list a file to Delete >>>."),
                   QStringLiteral("No File Listed..."));
        return {false, false, true};
    }
    if (name == QLatin1String("UserDefColors") || name == kUserColorsFile) {
        ask.inform(QStringLiteral("You may only Export (Change) this File."),
                   QStringLiteral("System File, Can Not Delete!"), MsgIcon::Critical);
        return {};
    }
    const MsgResult answer = ask.messageBox(
        {QStringLiteral("Delete ") + name +
             QStringLiteral("     ... Is this your Final Answer?\r\n\r\nHint: You may Change "
                            "(Export) this Color Scheme instead of Deleting this file."),
         QStringLiteral("I don't want this File any more. Correct?"), MsgButtons::YesNo,
         MsgIcon::Critical, std::nullopt});
    if (answer != MsgResult::Yes)
        return {};
    const qsizetype at = listed.indexOf(name);
    if (at < 0) {
        ask.inform(QStringLiteral("You can not delete a file that doesn't exist!"),
                   QStringLiteral("No such File!"), MsgIcon::Critical);
        return {false, true, true};
    }
    QFile file(pathOf(name));
    if (!file.remove()) {
        ask.inform(QStringLiteral("The file ") + name + QStringLiteral(" could not be deleted: ") +
                       file.errorString(),
                   QStringLiteral("File Error"), MsgIcon::Critical);
        return {false, false, true};
    }
    listed.removeAt(at);
    return {false, true, false};
}
