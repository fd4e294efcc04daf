#pragma once

#include "sorter/ScreenScaling.h"
#include "sorter/SwapSlots.h"
#include "sorter/ThumbnailGrid.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QImage>
#include <QThreadPool>
#include <array>
#include <memory>
#include <vector>

namespace Ui {
class SorterWindow;
}
class Prompter;
class QLabel;
class ShowDocument;
class ThumbnailStore;

// The picture sorter (objectName AllImages): every slide as a numbered
// thumbnail in a scrolling grid; two pictures chosen into the swap slots
// change places in the show when the swap button is pressed, each swap a
// step of the show's document at once. Modal. The controls are in SorterWindow.ui, placed for
// an 800 x 600 screen and scaled to the screen in use.
//
// Thumbnails are decoded at their size on worker threads (ThumbnailStore)
// and appear as they arrive, the ones in view first; the window answers
// input meanwhile. The grid is painted on one canvas, only where it shows,
// so a size change lays it out at once with the kept thumbnails stretched
// while the sharper ones decode; a swap exchanges two thumbnails without
// decoding.
class SorterWindow : public QDialog {
    Q_OBJECT
public:
    SorterWindow(ShowDocument& document, Prompter& prompter, QWidget* parent = nullptr);
    ~SorterWindow() override;

    const SwapSlots& swapSlots() const { return choice; }
    const ThumbnailStore& thumbnails() const { return *store; }
    const ThumbnailGrid& grid() const { return layout; }
    // The highlighted thumbnail, or -1 while the highlight is hidden.
    int highlighted() const { return highlight; }

    // Lays the grid out again at the slider's thumbnail size.
    void changeThumbnailSize();
    // Takes thumbnail k into the first free swap slot that may hold it.
    void choosePicture(int k);
    void highlightThumbnail(int k);
    void clearSwapSlot(int slot);
    // Exchanges the two chosen slides (or says that two are needed).
    void swapPictures();
    // Thumbnail `from` dragged onto thumbnail `to`: the two are picked into
    // the swap slots and swapped, as the swap button does.
    void swapByDrag(int from, int to);
    void scrollTo(int value);

private:
    struct Place {
        QWidget* control;
        QRect design;
        ScaleRule rule;
    };

    void connectControls();
    void adjustResolution();
    void resizeControls(ScreenFactors f);
    void drawImages();
    void drawScrollBar();
    int viewportHeight() const;
    std::pair<int, int> inView() const;
    void showProgress(int done, int asked);
    void fillSwapSlot(int slot, int k);
    void clearSwapView(int slot);
    void showSwapPicture(int slot);
    void moveFocus(int from, int key);
    void ensureVisible(int k);
    void setHighlight(int k);

    std::unique_ptr<Ui::SorterWindow> ui;
    std::array<QLabel*, 2> swapPicture{};
    std::array<QLabel*, 2> swapNumber{};
    std::array<QLabel*, 2> swapCaption{};
    ShowDocument& document;
    Prompter& ask;
    qint16 pictureCount = 0;
    std::vector<Place> places;
    QSize thumbSize = kDesignThumbnailSize;
    int canvasWidth = 0;
    ThumbnailGrid layout{kDesignThumbnailSize, 368};
    ThumbnailStore* store = nullptr;
    SwapSlots choice;
    int highlight = -1;
    // The swap slots' pictures decode on threads of their own: the global pool
    // serves Qt's painting, which must never wait behind a decode.
    QThreadPool swapPool;
    std::array<QFutureWatcher<QImage>, 2> swapDecodes;

    bool eventFilter(QObject* watched, QEvent* event) override;
};
