#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QWidget>

// The real dialogs: QMessageBox, QInputDialog, QFileDialog, QColorDialog and
// QFontDialog, owned by the given parent window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : owner(parent) {}
    void setParent(QWidget* parent) { owner = parent; }

    MsgResult messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> inputBox(const InputBoxRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString browseForFolder(const QString& prompt) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

private:
    QPointer<QWidget> owner;
};
