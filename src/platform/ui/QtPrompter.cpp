#include "platform/ui/QtPrompter.h"

#include "project/ColorValue.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyle>

namespace {
QMessageBox::StandardButtons toButtons(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton toButton(MsgResult r) {
    switch (r) {
    case MsgResult::Ok:
        return QMessageBox::Ok;
    case MsgResult::Cancel:
        return QMessageBox::Cancel;
    case MsgResult::Yes:
        return QMessageBox::Yes;
    case MsgResult::No:
        return QMessageBox::No;
    case MsgResult::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(MsgIcon i) {
    switch (i) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Application:
        return QMessageBox::NoIcon; // the window icon is set as a picture
    }
    return QMessageBox::NoIcon;
}

MsgResult fromButton(int b, MsgButtons set) {
    switch (b) {
    case QMessageBox::Ok:
        return MsgResult::Ok;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    default:
        // Escape or the close box on a box without Cancel answers No.
        return set == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
    }
}
// Texts keep the system's CR LF line breaks; Qt's labels want plain LF.
QString DisplayText(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}
} // namespace

MsgResult QtPrompter::messageBox(const MessageBoxRequest& request) {
    QMessageBox box(toIcon(request.icon), request.title, DisplayText(request.text),
                    toButtons(request.buttons), owner);
    // Texts are the tool's own words with names from files and boxes in
    // them: shown as written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (request.defaultButton)
        box.setDefaultButton(toButton(*request.defaultButton));
    if (request.icon == MsgIcon::Application) {
        const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        box.setIconPixmap(box.windowIcon().pixmap(side, side));
    }
    return fromButton(box.exec(), request.buttons);
}

std::optional<QString> QtPrompter::inputBox(const InputBoxRequest& request) {
    bool ok = false;
    QString text = QInputDialog::getText(owner, request.title, DisplayText(request.prompt),
                                         QLineEdit::Normal, request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QStringList QtPrompter::openFiles(const FileDialogRequest& request) {
    const QString filter = request.filters.join(QStringLiteral(";;"));
    if (request.multiSelect)
        return QFileDialog::getOpenFileNames(owner, request.title, request.directory, filter);
    QString one = QFileDialog::getOpenFileName(owner, request.title, request.directory, filter);
    return one.isEmpty() ? QStringList{} : QStringList{one};
}

QString QtPrompter::saveFile(const FileDialogRequest& request) {
    QFileDialog dialog(owner, request.title, request.directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(request.filters);
    // "Shows (*.json)" gives the suffix added to a bare name.
    const QString first = request.filters.value(0);
    const qsizetype star = first.indexOf(QLatin1String("*."));
    if (star >= 0)
        dialog.setDefaultSuffix(
            first.mid(star + 2).section(QRegularExpression(QStringLiteral("[ )]")), 0, 0));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString QtPrompter::browseForFolder(const QString& prompt) {
    return QFileDialog::getExistingDirectory(owner, prompt, QString(), QFileDialog::ShowDirsOnly);
}

std::optional<std::uint32_t> QtPrompter::chooseColor(std::uint32_t initial) {
    QColor start(RedOf(initial), GreenOf(initial), BlueOf(initial));
    QColor chosen = QColorDialog::getColor(start, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return RgbColor(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<FontChoice> QtPrompter::chooseFont(const FontChoice& initial) {
    QFont start(initial.family, initial.pointSize > 0 ? initial.pointSize : -1);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, start, owner);
    if (!ok)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSize(), font.bold(), font.italic()};
}
