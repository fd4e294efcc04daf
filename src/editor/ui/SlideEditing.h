#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Form1;
class PreviewNavigation;
struct FileDialogRequest;

// Adding pictures as slides (one or many), replacing and deleting the current
// slide's picture, the caption box, and the counters and command
// availability that follow the slide list. Also the single-file picture
// dialog shared with the background-picture and opening-page picks.
class SlideEditing : public QObject {
    Q_OBJECT
public:
    SlideEditing(Form1& form, PreviewNavigation& navigation);

    // The next file applied from the single-file dialog replaces the current
    // slide's picture.
    bool ReplacePending = false;
    // The next Add opens the single-file dialog.
    bool SingleFilePick = false;

    void cmdAdd_Click();
    void AddMultiplePic();
    void AddSinglePic();
    void PickOutFileNameFromPath(const QString& path);
    void cmdChangePic_Click();
    void cmdDelete_Click();
    void cmdAddCaption_Click();
    void txtCaption_GotFocus();
    void txtCaption_LostFocus();
    void cmdAllImages_Click();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    FileDialogRequest PictureDialog(const QString& title, bool multiSelect) const;
    void AddPictures(const QStringList& paths);
    void AddOneChecked(const QString& path, bool canShow);
    void AddFirstOfOne(const QString& path);
    bool ShowInImage1(const QString& path);
    void ShowBkPictureOf(int slot);
    void ShowSingleFileError();

    Form1& form;
    PreviewNavigation& navigation;
};
