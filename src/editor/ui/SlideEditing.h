#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class MainWindow;
class PreviewNavigation;
enum class EditKind;
struct FileDialogRequest;

// What adding dropped pictures left aside, told in the drop's one message
// rather than a box for each file.
struct DroppedPicturesOutcome {
    QStringList refused; // pictures that cannot be shown
    int leftOut = 0;     // pictures past the show's limit, not tried
    // Clips refused because ffmpeg is missing, said apart (MissingClipToolsText).
    int clipsWithoutTools = 0;
};

// Adding pictures as slides (one or many), replacing and deleting the current
// slide's picture, the caption box, and the counters and command
// availability that follow the slide list. Also the single-file picture
// dialog shared with the background-picture and opening-page picks.
class SlideEditing : public QObject {
    Q_OBJECT
public:
    SlideEditing(MainWindow& form, PreviewNavigation& navigation);

    // The next file applied from the single-file dialog replaces the current
    // slide's picture.
    bool ReplacePending = false;
    // The next Add opens the single-file dialog.
    bool SingleFilePick = false;

    void addPictures();
    // Pictures dropped onto the window, added as the Add command adds the
    // files picked in its dialog, except that nothing is said of each one.
    DroppedPicturesOutcome AddDroppedPictures(const QStringList& files);
    void AddMultiplePic();
    void AddSinglePic();
    void PickOutFileNameFromPath(const QString& path);
    void changePicture();
    void deleteSlide();
    void storeCaption();
    void captionEntered();
    void captionLeft();
    void openSorter();
    // Text that reached the caption box by any means (typing, pasting, a
    // screen reader setting it) goes into the current slide at once; what
    // one visit to the box changes in one slide is one step.
    void CaptionTextChanged(const QString& text);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    FileDialogRequest PictureDialog(const QString& title, bool multiSelect) const;
    // The edit the next Add makes, from what is pending.
    EditKind PendingAddKind() const;
    // Runs `add` unless the show is full; then the finish command follows
    // the count and the caption box takes the focus.
    void AddUnlessFull(const std::function<void()>& add);
    // One file through the single-file path, several as a selection.
    void AddFiles(const QStringList& files);
    // With `collect`, the refused and left-out pictures go there instead of
    // a message for each.
    void AddPictures(const QStringList& paths, DroppedPicturesOutcome* collect = nullptr);
    void AddOneChecked(const QString& path, bool canShow, DroppedPicturesOutcome* collect);
    void AddFirstOfOne(const QString& path);
    bool ShowInImage1(const QString& path);
    void ShowBkPictureOf(int slot);
    void ShowSingleFileError();
    // A clip offered while ffmpeg is missing is refused, and said so.
    bool RefuseClipWithoutTools(const QString& path);
    void ShowMissingClipTools();

    MainWindow& form;
    PreviewNavigation& navigation;
    // Counts the caption box's visits, which tell its edits apart.
    quint64 captionVisit = 1;
};
