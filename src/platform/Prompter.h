#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Every modal question the tool asks goes through this interface: the windows
// get real dialogs (QtPrompter), tests and the headless compile get scripted or
// printed answers. Texts, titles, buttons and icons are passed exactly as the
// user must see them.

// Application: the program's own icon, as About boxes show it.
enum class MsgIcon { None, Critical, Question, Exclamation, Information, Application };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

struct MessageBoxRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    // The button that Enter presses; empty means the first button.
    std::optional<MsgResult> defaultButton;
    // A list too long for the box itself (one item a line), shown below the
    // text in a box of its own that scrolls.
    QString details = {};
};

struct InputBoxRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

struct FileDialogRequest {
    QString title;
    QString directory;
    QStringList filters; // "Description (*.a *.b)" entries, in the order shown
    bool multiSelect = false;
};

struct FontChoice {
    QString family;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual MsgResult messageBox(const MessageBoxRequest& request) = 0;
    // nullopt when the box was cancelled.
    virtual std::optional<QString> inputBox(const InputBoxRequest& request) = 0;
    // The chosen files in the order the dialog lists them; empty when cancelled.
    virtual QStringList openFiles(const FileDialogRequest& request) = 0;
    // The file to save to (the dialog asks before replacing one), or "" when
    // cancelled. `filters` name the types offered; the first one's extension
    // is added to a name typed without one.
    virtual QString saveFile(const FileDialogRequest& request) = 0;
    // A file-system folder, or "" when cancelled.
    virtual QString browseForFolder(const QString& prompt) = 0;
    // A colour as 0x00BBGGRR, or nullopt when cancelled.
    virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;

    // Shorthand for the common one-button information box.
    void inform(const QString& text, const QString& title, MsgIcon icon = MsgIcon::Information) {
        messageBox({text, title, MsgButtons::Ok, icon, std::nullopt});
    }
};
