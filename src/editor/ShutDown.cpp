#include "editor/ShutDown.h"

#include "platform/Prompter.h"
#include "project/StoredSettings.h"

#include <QDir>
#include <QSettings>

bool RunShutDown(Prompter& ui, QSettings& store, const ShowSettings& settings,
                 const ToolPreferences& tool, const SettingsControls& controls) {
    const MsgResult answer = ui.messageBox(
        {QStringLiteral("Are you sure you want to Exit... Pevrano Slide Show?"),
         QStringLiteral("Exit Program?"), MsgButtons::YesNo, MsgIcon::Question, std::nullopt});
    if (answer != MsgResult::Yes)
        return false;
    if (!SaveFormSettings(store, settings, tool, controls))
        ui.inform(QStringLiteral("Your preferences could not be saved to \"%1\": the folder or "
                                 "file is not writable.\nThe program closes without them.")
                      .arg(QDir::toNativeSeparators(store.fileName())),
                  QStringLiteral("Preferences Not Saved"), MsgIcon::Exclamation);
    return true;
}
