// The named style sets of the caption style preview: saving, deleting, and
// the sets file read on opening and written on closing.
#include "captionstyle/ui/CaptionStylePreview.h"

#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "project/ShowSettings.h"
#include "ui_CaptionStylePreview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

void CaptionStylePreview::saveSettings() {
    if (sets.size() >= kMaxStyleSets) {
        // Asked before the name, so nothing typed is lost to a refusal.
        ask.inform(QStringLiteral("There is room for %1 saved settings and all are taken. "
                                  "Delete one of them to save these settings.")
                       .arg(kMaxStyleSets),
                   QStringLiteral("My Saved Settings"), MsgIcon::Exclamation);
        return;
    }
    for (;;) {
        const auto name =
            ask.inputBox({QStringLiteral("Enter a Name for your settings:"),
                          QStringLiteral("Enter a Settings Name"), QStringLiteral("MySettings1")});
        if (!name || name->isEmpty())
            return;
        const StyleSet set{*name, document.show().settings.FontInUse,
                           document.show().settings.FontSizeInUse, ui->txtSampleCap->text()};
        if (AddStyleSet(sets, set) != AddSetOutcome::Duplicate) {
            ui->cboMySettings->addItem(*name);
            setsChanged = true;
            return;
        }
        ask.messageBox(
            {*name + QStringLiteral(" is already listed Please type in a different Name!"),
             QStringLiteral("Duplicate Name"), MsgButtons::Ok, MsgIcon::Critical, std::nullopt});
    }
}

void CaptionStylePreview::deleteSettings() {
    const QString name = ui->cboMySettings->currentText();
    const int index = ui->cboMySettings->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (name.isEmpty() || index < 0) {
        ask.messageBox({QStringLiteral("Please select a correct Name to delete!"),
                        QStringLiteral("Can not delete this entry"), MsgButtons::Ok,
                        MsgIcon::Critical, std::nullopt});
        return;
    }
    const MsgResult answer =
        ask.messageBox({QStringLiteral("Are you sure in deleting ") + name + QLatin1Char('?'),
                        QStringLiteral("Delete ") + name + QLatin1Char('?'), MsgButtons::YesNo,
                        MsgIcon::Question, std::nullopt});
    if (answer != MsgResult::Yes)
        return;
    sets.removeAt(index);
    ui->cboMySettings->removeItem(index);
    setsChanged = true;
    restoreDefaults();
}

void CaptionStylePreview::loadSetsFile() {
    const StyleSetsRead read = ReadStyleSetsFile(folder);
    sets = read.sets;
    for (const StyleSet& set : sets)
        ui->cboMySettings->addItem(set.name);
    if (!sets.isEmpty())
        ui->cboMySettings->setCurrentIndex(0);
    readCleanly = read.error.isEmpty();
    if (!readCleanly)
        fileProblem(read.error);
}

void CaptionStylePreview::saveSetsFile() {
    // Unchanged, the file stays as it is, byte for byte.
    if (!setsChanged)
        return;
    // A file that could not be read whole (or holds more sets than the
    // window takes) is replaced only when the user agrees: what was not read
    // would be lost.
    if (!readCleanly &&
        ask.messageBox({QStringLiteral("The saved settings file could not be read whole, so "
                                       "saving your changes replaces it with the %1 settings "
                                       "listed here and the rest of it is lost.\r\n\r\n"
                                       "Replace the file?")
                            .arg(sets.size()),
                        QStringLiteral("My Saved Settings"), MsgButtons::YesNo,
                        MsgIcon::Exclamation, MsgResult::No}) != MsgResult::Yes)
        return;
    const QString error = WriteStyleSetsFile(folder, sets);
    if (!error.isEmpty())
        fileProblem(error);
}

void CaptionStylePreview::fileProblem(const QString& reason) {
    ask.messageBox({QStringLiteral("There was a problem with this file! ") + reason,
                    QCoreApplication::applicationName(), MsgButtons::Ok, MsgIcon::None,
                    std::nullopt});
}
