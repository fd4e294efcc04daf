#pragma once

#include <QString>
#include <QStringList>

class ColorChart;
class Prompter;

// The colour scheme window's commands without its widgets: listing the
// scheme files of the data folder, importing one into the user colours,
// exporting the user colours to one, and deleting one. Scheme names are
// file names inside the data folder and nothing else.
class SchemeCommands {
public:
    SchemeCommands(ColorChart& chart, Prompter& ui, QString dataFolder);

    // What a command leaves for the window to do.
    struct Outcome {
        bool closeWindow = false;
        bool emptyName = false; // empty the name box
        bool focusName = false; // give the name box the focus
    };

    // FindFilesInSingleDir over the data folder: every file (not folder)
    // matching the pattern whose name ends in "col", any case.
    QStringList FindFilesInSingleDir(const QString& pattern = QStringLiteral("*.col")) const;

    Outcome importScheme(const QString& name);
    // `name` may gain ".col"; the window shows it.
    Outcome exportScheme(QString& name);
    // `listed` is the name list; a deleted entry leaves it.
    Outcome deleteScheme(const QString& name, QStringList& listed);

    Prompter& ui() { return ask; }

    // Why a name cannot be a scheme file's name, or "" when it can.
    static QString NameProblem(const QString& name);

private:
    QString pathOf(const QString& name) const;
    bool refusedName(const QString& name);
    bool WriteFile(const QString& name);

    ColorChart& chart;
    Prompter& ask;
    QString folder;
};
