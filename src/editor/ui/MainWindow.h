#pragma once

#include "document/ShowDocument.h"
#include "editor/ui/MainWindowControls.h"
#include "project/ColorValue.h"
#include "project/ShowChange.h"
#include "project/SlideShowProject.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class PreviewNavigation;
class Prompter;
class SlideEditing;
class AutoRunDelay;
class ColorWorkbench;
class MainWindowLifecycle;
class OptionsCommand;
class SongControls;
class MainWindowTips;
class HelpCommands;
class ShowFileCommands;
class MainWindow;
class EditHistory;

// Hooks that later parts of the tool set to plug into the main window. An
// unset hook leaves the command doing nothing, except where noted.
struct MainWindowSeams {
    // cmdFinish and its menu entry: compile the slide show (set by
    // ConnectCompileCommand), returning the answers the show keeps (nullopt:
    // none). Availability (kMinSlidesToCompile slides or more) and keeping
    // the answers stay here.
    std::function<std::optional<ShowChange::KeptAnswers>()> compile;
    // cmdAllImages and mnuSortPictures: the picture sorter's opening step.
    // When the sorter closes it calls MainWindow::ShowCurrentSlide().
    std::function<void()> openSorter;
    // The colour tool Tintara, shown modeless for the pending target flag of
    // the project. Unset: the colour commands use the system colour dialog
    // through the Prompter.
    std::function<void()> showColorTool;
    // True while that colour tool is on screen (it has not handed a colour
    // back yet). Unset: never.
    std::function<bool()> colorToolOpen;
    // cmdFont: the caption style preview (it hides this window while open).
    // Unset: the colour concern picks the caption font with the font dialog.
    std::function<void()> showCaptionStyle;
    // Opens another main window, wired like this one, and returns it (a show
    // restored after a crash goes there when this window has one already).
    // Unset: no other window is opened.
    std::function<MainWindow*()> openWindow;
};

// The main window: its show's document, the preview and every command on the
// show. Every modal question goes through the Prompter.
//
// How the window is organised:
// - `ui` holds every control (MainWindowControls.h), laid out in MainWindow.ui,
//   named after the tool's own control names. Controls are public so every
//   concern can reach them. Swatches of show-wide colours (picActiveColor,
//   the three caption swatches, lblCaption, picBackColor, picButBakColor)
//   are bound to the ShowSettings fields: ColorSwatch::setColor writes the
//   setting and repaints. PicMFormColors and lblNewBkGnd keep their own
//   colour.
// - Each concern is a small class in its own file that takes MainWindow& and the
//   sibling concerns it uses, and connects to its controls in its
//   constructor. Rules without widgets live in the core (the model's slide
//   table, editor/PreviewSteps): SlideEditing (adding,
//   replacing, deleting, captions, counters), PreviewNavigation (stepping and
//   auto run), AutoRunDelay (the delay box and scroll bar), ColorWorkbench
//   (palette, swatches, caption colours and font, backgrounds, through
//   seams.showColorTool and seams.showCaptionStyle when set), OptionsCommand
//   (the options window), SongControls (the background song), MainWindowTips
//   (the tooltips), HelpCommands (the Help menu) and ShowFileCommands (show
//   files, unsaved changes, crash recovery).
// - Shared steps several concerns use are public members here: the counters
//   and availability refreshes, the window caption, the caption box colours,
//   FillBackgrounds with PBar1, and ShowCurrentSlide.
// - startUp and confirmClose: MainWindowLifecycle runs the start-up
//   sequence with the stored settings when the window is built, and asks
//   before the window closes.
// - windowActivated: concerns connect to the `activated` signal, emitted every
//   time the window becomes active.
// - `seams` above: compile driver, picture sorter, colour tool, caption style.
// - The single-file picture dialog (SlideEditing::AddSinglePic) serves the
//   background-picture and opening-page picks: set project().flags
//   PickingBkPicture or OpenPgBkPicChanged, then call it (or set
//   SlideEditing::SingleFilePick and run addPictures); the flag is cleared
//   once the picture was applied, so a flag still set afterwards means the
//   pick failed. A cancelled dialog clears the pending flags.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowControls ui;
    MainWindowSeams seams;

    // The show the window edits: the document's working copy (an EditStep
    // records what the window's commands change in it).
    SlideShowProject& project() { return slideShow; }
    const SlideShowProject& project() const { return slideShow; }
    ShowDocument& document() { return showDocument; }
    Prompter& prompter() { return ask; }

    SlideEditing& editing() { return *slideEditing; }
    PreviewNavigation& navigation() { return *previewNavigation; }
    AutoRunDelay& delay() { return *autoRunDelay; }
    // True while "Make HTML File" runs: every command is off and a drop is
    // refused, so the compile writes the show it started with.
    bool CompileRunning() const { return compileRunning; }
    // The caption and delay boxes store what was typed when they lose the
    // focus; a command that leaves the focus where it is (a save shortcut)
    // stores the box being edited first.
    void CommitPendingEdit();
    // The caption box shows `text` (a slide's caption, or nothing): the
    // window's own filling of the box, which is no edit of the show.
    void ShowCaptionText(const QString& text);
    // True while the window fills the caption box itself.
    bool FillingCaption() const { return fillingCaption; }
    ColorWorkbench& colors() { return *colorWorkbench; }
    OptionsCommand& options() { return *optionsCommand; }
    SongControls& song() { return *songControls; }
    MainWindowTips& tips() { return *mainWindowTips; }
    HelpCommands& help() { return *helpCommands; }
    ShowFileCommands& showFiles() { return *showFileCommands; }
    // The Edit menu's undo history; every edit of the show runs in an
    // EditStep on it.
    EditHistory& history() { return *editHistory; }

    // Spreads the one shared background over slots start..SlideCapacity,
    // showing the progress on PBar1.
    void FillBackgrounds(qint16 start);

    // Window caption "Picture #" n and lblCount n.
    void ShowPictureNumber(int n);
    // The show named after the picture number in the caption ("Picture #3 -
    // trip.json*"); empty names none.
    void SetShowName(const QString& name);
    // lblPicsLeft: the free slots.
    void RefreshPicsLeft();
    // cmdAllImages shown and mnuSortPictures enabled when offered.
    void RefreshSorterAvailability(bool offered);
    // cmdFinish and its menu entry enabled from kMinSlidesToCompile slides on.
    void RefreshFinishAvailability();

    // The caption box's own colours, which the current slide takes when the
    // box loses the focus.
    void SetCaptionBoxColors(ColorValue back, ColorValue fore);
    ColorValue CaptionBoxBackColor() const;
    ColorValue CaptionBoxForeColor() const;

    // Shows the current slide and the counters from the project, after the
    // sorter or a reset changed it behind the window's back.
    void ShowCurrentSlide();
    // The caption box takes the caption font FontInUse.
    void ApplyCaptionFont();
    // Shows a whole project put in place behind the window's back (a show
    // opened or started afresh, a step undone, another window's change): the
    // show-wide values, the caption font and the current slide.
    // `songChanged` false (an undone edit that left the song alone) keeps the
    // song preview playing on.
    void ShowProjectInWindow(bool songChanged = true);

signals:
    void activated();

protected:
    bool event(QEvent* event) override;
    // Unsaved changes are offered for saving, then confirmClose asks the
    // exit question; Cancel or No keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowSettingsInWindow();
    void RefreshTitle();

    Prompter& ask;
    // Before everything that edits the show through it, so it goes last.
    ShowDocument showDocument;
    SlideShowProject& slideShow = showDocument.workingShow();
    std::unique_ptr<SlideEditing> slideEditing;
    std::unique_ptr<PreviewNavigation> previewNavigation;
    std::unique_ptr<AutoRunDelay> autoRunDelay;
    std::unique_ptr<ColorWorkbench> colorWorkbench;
    std::unique_ptr<OptionsCommand> optionsCommand;
    std::unique_ptr<SongControls> songControls;
    std::unique_ptr<MainWindowTips> mainWindowTips;
    std::unique_ptr<HelpCommands> helpCommands;
    // Start-up (run when the window is built) and shut-down.
    std::unique_ptr<MainWindowLifecycle> lifecycle;
    std::unique_ptr<ShowFileCommands> showFileCommands;
    std::unique_ptr<EditHistory> editHistory;
    int pictureNumber = 0;
    QString showName;
    bool compileRunning = false;
    bool fillingCaption = false;
};
