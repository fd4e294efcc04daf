#pragma once

#include "sorter/ScreenScaling.h"
#include "sorter/SwapSlots.h"
#include "sorter/ThumbnailGrid.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QImage>
#include <QThreadPool>
#include <array>
#include <vector>

class Prompter;
class QFrame;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSlider;
class SlideShowProject;
class SwapListener;
class ThumbnailStore;
class ThumbnailCanvas;

// The picture sorter: every slide as a numbered thumbnail in a scrolling
// grid; two pictures chosen into the swap slots change places in the project
// when the swap button is pressed. Modal; it edits the project in place.
//
// Thumbnails are decoded at their size on worker threads (ThumbnailStore)
// and appear as they arrive, the ones in view first; the window answers
// input meanwhile. The grid is painted on one canvas, only where it shows,
// so a size change lays it out at once with the kept thumbnails stretched
// while the sharper ones decode; a swap exchanges two thumbnails without
// decoding.
class AllImages : public QDialog {
    Q_OBJECT
public:
    AllImages(SlideShowProject& project, Prompter& prompter, QWidget* parent = nullptr);
    ~AllImages() override;

    // Controls, named as the window's own.
    QFrame* Picture2 = nullptr;          // the fixed viewport
    ThumbnailCanvas* Picture1 = nullptr; // the thumbnails, on the canvas the scroll bar moves
    QScrollBar* VScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    QSlider* ThumbSizeSlider = nullptr;
    QLabel* lblNumPicSel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QGroupBox* fmeSwap = nullptr;
    std::array<QLabel*, 2> imgSwap{};
    std::array<QLabel*, 2> lblSwapNum{};
    std::array<QLabel*, 2> lblSwap{};
    std::array<QPushButton*, 2> cmdClearSwapPic{};
    QPushButton* cmdSwapPics = nullptr;

    // Each swap is reported to `listener` (none: not reported).
    void reportSwapsTo(SwapListener* listener) { swaps = listener; }

    const SwapSlots& swapSlots() const { return choice; }
    const ThumbnailStore& thumbnails() const { return *store; }
    const ThumbnailGrid& grid() const { return layout; }
    // The highlighted thumbnail, or -1 while the highlight is hidden.
    int highlighted() const { return highlight; }

    // The window's event handlers.
    void ThumbSizeSlider_Change();
    void Image1_MouseDown(int k);
    void Image1_Click(int k);
    void cmdClearSwapPic_Click(int slot);
    void cmdSwapPics_Click();
    // Thumbnail `from` dragged onto thumbnail `to`: the two are picked into
    // the swap slots and swapped, as the swap button does.
    void Image1_DragDrop(int from, int to);
    void VScroll1_Change(int value);

private:
    struct Place {
        QWidget* control;
        QRect design;
        ScaleRule rule;
    };

    void buildLayout();
    void AdjustResolution();
    void ResizeControls(ScreenFactors f);
    void DrawImages();
    void DrawScrollBar();
    int viewportHeight() const;
    std::pair<int, int> inView() const;
    void showProgress(int done, int asked);
    void fillSwapSlot(int slot, int k);
    void clearSwapView(int slot);
    void showSwapPicture(int slot);
    void moveFocus(int from, int key);
    void ensureVisible(int k);
    void setHighlight(int k);

    SlideShowProject& project;
    Prompter& ask;
    qint16 pictureCount = 0;
    std::vector<Place> places;
    QSize thumbSize = kDesignThumbnailSize;
    int canvasWidth = 0;
    ThumbnailGrid layout{kDesignThumbnailSize, 368};
    ThumbnailStore* store = nullptr;
    SwapSlots choice;
    SwapListener* swaps = nullptr;
    int highlight = -1;
    // The swap slots' pictures decode on threads of their own: the global pool
    // serves Qt's painting, which must never wait behind a decode.
    QThreadPool swapPool;
    std::array<QFutureWatcher<QImage>, 2> swapDecodes;

    bool eventFilter(QObject* watched, QEvent* event) override;
};
