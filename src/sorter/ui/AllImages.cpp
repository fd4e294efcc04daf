#include "sorter/ui/AllImages.h"

#include "pictures/ui/ShownPictures.h"
#include "project/SlideShowProject.h"
#include "sorter/SwapListener.h"
#include "sorter/ui/ThumbnailCanvas.h"
#include "sorter/ui/ThumbnailStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>

namespace {
QStringList PicturePaths(const SlideShowProject& project, int count) {
    QStringList paths;
    for (int k = 0; k < count; ++k)
        paths << project.slot(k).PicturePath;
    return paths;
}
} // namespace

AllImages::AllImages(SlideShowProject& p, Prompter& prompter, QWidget* parent)
    : QDialog(parent), project(p), ask(prompter) {
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildLayout();

    pictureCount = project.SlideCount();
    lblNumPicSel->setText(QStringLiteral("Number of Pictures Selected: ") +
                          QString::number(pictureCount));
    store = new ThumbnailStore(PicturePaths(project, pictureCount), this);
    Picture1->setStore(store);
    connect(Picture1, &ThumbnailCanvas::pressed, this, &AllImages::Image1_MouseDown);
    connect(Picture1, &ThumbnailCanvas::clicked, this, &AllImages::Image1_Click);
    connect(Picture1, &ThumbnailCanvas::dragged, this, &AllImages::Image1_DragDrop);
    connect(Picture1, &ThumbnailCanvas::moveAsked, this, &AllImages::moveFocus);
    connect(store, &ThumbnailStore::ready, this, [this](int k) {
        Picture1->updateThumbnail(k);
        for (int s = 0; s < 2; ++s)
            if (choice.filled(s) && choice.index(s) == k && imgSwap[s]->pixmap().isNull())
                showSwapPicture(s);
    });
    connect(store, &ThumbnailStore::progress, this, &AllImages::showProgress);

    connect(VScroll1, &QScrollBar::valueChanged, this, &AllImages::VScroll1_Change);
    connect(ThumbSizeSlider, &QSlider::valueChanged, this, &AllImages::ThumbSizeSlider_Change);
    for (int s = 0; s < 2; ++s) {
        connect(cmdClearSwapPic[s], &QPushButton::clicked, this,
                [this, s] { cmdClearSwapPic_Click(s); });
        connect(&swapDecodes[s], &QFutureWatcherBase::finished, this, [this, s] {
            const QImage image = swapDecodes[s].result();
            if (choice.filled(s) && !image.isNull())
                imgSwap[s]->setPixmap(QPixmap::fromImage(image));
        });
    }
    connect(cmdSwapPics, &QPushButton::clicked, this, &AllImages::cmdSwapPics_Click);

    AdjustResolution();
    DrawImages();
    if (pictureCount > 35)
        ThumbSizeSlider_Change();
    Picture1->setFocus();
}

AllImages::~AllImages() {
    // Decodes not started are dropped; the pool waits for the running ones.
    swapPool.clear();
}

void AllImages::AdjustResolution() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        return;
    if (const auto factors = ResolutionFactors(screen->size()))
        ResizeControls(*factors);
    Picture2->findChild<QWidget*>(QStringLiteral("Picture2Inner"))
        ->setGeometry(Picture2->contentsRect());
    canvasWidth = Picture1->width();
    layout = ThumbnailGrid(thumbSize, canvasWidth);
}

void AllImages::ResizeControls(ScreenFactors f) {
    for (const Place& p : places)
        p.control->setGeometry(ScaledGeometry(p.design, f, p.rule));
    thumbSize =
        ScaledGeometry(QRect(QPoint(), kDesignThumbnailSize), f, ScaleRule::PlaceAndSize).size();
    setFixedSize(ScaledGeometry(rect(), f, ScaleRule::PlaceAndSize).size());
}

int AllImages::viewportHeight() const {
    return Picture2->contentsRect().height();
}

// The thumbnails in view and a screenful either side.
std::pair<int, int> AllImages::inView() const {
    const int h = viewportHeight();
    return layout.meeting(-Picture1->y() - h, 3 * h, pictureCount);
}

void AllImages::DrawImages() {
    layout = ThumbnailGrid(thumbSize, canvasWidth);
    Picture1->move(0, 0);
    Picture1->setGrid(layout, pictureCount);
    store->request(thumbSize, inView());
}

void AllImages::DrawScrollBar() {
    const auto fit = FitScrollBar(layout, pictureCount, viewportHeight());
    if (!fit) {
        VScroll1->hide();
        return;
    }
    Picture1->resize(Picture1->width(), fit->canvasHeight);
    VScroll1->setValue(0);
    VScroll1->setRange(0, fit->range);
    VScroll1->setSingleStep(thumbSize.height() + kThumbnailGap);
    VScroll1->setPageStep(viewportHeight());
    VScroll1->show();
}

void AllImages::VScroll1_Change(int value) {
    Picture1->move(0, -value);
    store->prioritise(inView());
}

void AllImages::ThumbSizeSlider_Change() {
    thumbSize = ThumbnailSizeFor(ThumbSizeSlider->value());
    if (pictureCount <= 0)
        return;
    DrawImages();
    DrawScrollBar();
    setHighlight(0);
}

void AllImages::showProgress(int done, int asked) {
    ProgressBar1->setMaximum(asked);
    ProgressBar1->setValue(done);
    ProgressBar1->setVisible(done < asked);
}

void AllImages::setHighlight(int k) {
    highlight = k;
    Picture1->setHighlighted(k);
    // The keyboard acts on the highlighted thumbnail.
    Picture1->setCurrent(k);
}

void AllImages::Image1_Click(int k) {
    setHighlight(k);
}

void AllImages::moveFocus(int from, int key) {
    const int rows = std::max(1, viewportHeight() / (thumbSize.height() + kThumbnailGap));
    int to = from;
    switch (key) {
    case Qt::Key_Left:
        to = layout.moved(from, -1, 0, pictureCount);
        break;
    case Qt::Key_Right:
        to = layout.moved(from, 1, 0, pictureCount);
        break;
    case Qt::Key_Up:
        to = layout.moved(from, 0, -1, pictureCount);
        break;
    case Qt::Key_Down:
        to = layout.moved(from, 0, 1, pictureCount);
        break;
    case Qt::Key_PageUp:
        to = layout.moved(from, 0, -rows, pictureCount);
        break;
    case Qt::Key_PageDown:
        to = layout.moved(from, 0, rows, pictureCount);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = pictureCount - 1;
        break;
    }
    ensureVisible(to);
    Image1_Click(to);
}

void AllImages::ensureVisible(int k) {
    if (!VScroll1->isVisible())
        return;
    const QRect cell = layout.cell(k);
    const int h = viewportHeight();
    int value = VScroll1->value();
    if (cell.top() - kThumbnailGap < value)
        value = cell.top() - kThumbnailGap;
    else if (cell.bottom() + 1 + kThumbnailGap > value + h)
        value = cell.bottom() + 1 + kThumbnailGap - h;
    VScroll1->setValue(value);
}

void AllImages::Image1_MouseDown(int k) {
    if (const auto slot = choice.choose(k))
        fillSwapSlot(*slot, k);
}

void AllImages::fillSwapSlot(int s, int k) {
    clearSwapView(s);
    lblSwapNum[s]->setText(QString::number(k + 1));
    lblSwapNum[s]->adjustSize();
    lblSwapNum[s]->show();
    lblSwapNum[s]->raise();
    lblSwap[s]->setText(QStringLiteral("Picture Number: ") + QString::number(k + 1));
    lblSwap[s]->show();
    const QString& path = store->path(k);
    imgSwap[s]->setAccessibleName(QStringLiteral("Swap picture %1: slide %2, %3")
                                      .arg(s + 1)
                                      .arg(k + 1)
                                      .arg(QFileInfo(path).fileName()));
    imgSwap[s]->setToolTip(path);
    showSwapPicture(s);
    // The slot is far larger than a thumbnail: its own decode, off the window
    // thread; until it arrives the thumbnail stands in.
    swapDecodes[s].setFuture(
        QtConcurrent::run(&swapPool, &DecodeToSize, path, imgSwap[s]->contentsRect().size()));
}

void AllImages::showSwapPicture(int s) {
    const QImage& image = store->image(choice.index(s));
    if (!image.isNull())
        imgSwap[s]->setPixmap(QPixmap::fromImage(image));
}

void AllImages::cmdClearSwapPic_Click(int s) {
    choice.clear(s);
    clearSwapView(s);
}

void AllImages::clearSwapView(int s) {
    imgSwap[s]->clear();
    imgSwap[s]->setToolTip({});
    imgSwap[s]->setAccessibleName(QStringLiteral("Swap picture %1: empty").arg(s + 1));
    lblSwapNum[s]->hide();
    lblSwap[s]->hide();
}

void AllImages::cmdSwapPics_Click() {
    if (!choice.ready()) {
        ask.messageBox(SelectTwoPicturesMessage());
        return;
    }
    const int a = choice.index(0);
    const int b = choice.index(1);
    SwapSlides(project, a, b);
    if (swaps)
        swaps->Swapped(a, b);
    store->swap(a, b);
    Picture1->updateThumbnail(a);
    Picture1->updateThumbnail(b);
    choice.clearBoth();
    clearSwapView(0);
    clearSwapView(1);
}

void AllImages::Image1_DragDrop(int from, int to) {
    if (from == to)
        return;
    choice.clearBoth();
    Image1_MouseDown(from);
    Image1_MouseDown(to);
    cmdSwapPics_Click();
}

bool AllImages::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over the grid scrolls it.
    if (watched == Picture1 && event->type() == QEvent::Wheel && VScroll1->isVisible()) {
        QCoreApplication::sendEvent(VScroll1, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
