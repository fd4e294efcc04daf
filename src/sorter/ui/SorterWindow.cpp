#include "sorter/ui/SorterWindow.h"

#include "document/ShowDocument.h"
#include "platform/ui/NamedControl.h"
#include "project/SlideShowProject.h"
#include "sorter/ui/ThumbnailCanvas.h"
#include "sorter/ui/ThumbnailStore.h"
#include "ui_SorterWindow.h"
#include "video/ui/ShownSlides.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>

namespace {
QStringList PicturePaths(const SlideShowProject& project, int count) {
    QStringList paths;
    for (int k = 0; k < count; ++k)
        paths << project.slot(k).PicturePath;
    return paths;
}

// How a control follows the screen's size: the slider keeps its size and the
// progress bar its height; every other control scales in place and size.
ScaleRule RuleFor(const QWidget* control) {
    if (control->objectName() == QLatin1String("ThumbSizeSlider"))
        return ScaleRule::KeepSize;
    if (control->objectName() == QLatin1String("ProgressBar1"))
        return ScaleRule::KeepHeight;
    return ScaleRule::PlaceAndSize;
}
} // namespace

SorterWindow::SorterWindow(ShowDocument& d, Prompter& prompter, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::SorterWindow>()), document(d), ask(prompter) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    ui->setupUi(this);
    swapPicture = {ui->imgSwap_0, ui->imgSwap_1};
    swapNumber = {ui->lblSwapNum_0, ui->lblSwapNum_1};
    swapCaption = {ui->lblSwap_0, ui->lblSwap_1};
    JoinControlArrays(this);
    ui->Picture2->setBackgroundRole(QPalette::Dark);
    ui->ThumbSizeSlider->setRange(kMinThumbnailSize, kMaxThumbnailSize);
    ui->Picture1->installEventFilter(this);
    // The design places at 800 x 600, in the window's control order; the
    // canvas's clip follows the viewport's inner area instead.
    for (QWidget* control : findChildren<QWidget*>())
        if (control != ui->Picture2Inner)
            places.push_back({control, control->geometry(), RuleFor(control)});
    setFixedSize(size());

    const SlideShowProject& project = document.show();
    pictureCount = project.SlideCount();
    ui->lblNumPicSel->setText(QStringLiteral("Number of Pictures Selected: ") +
                              QString::number(pictureCount));
    store = new ThumbnailStore(PicturePaths(project, pictureCount), this);
    ui->Picture1->setStore(store);
    connectControls();

    adjustResolution();
    drawImages();
    if (pictureCount > 35)
        changeThumbnailSize();
    ui->Picture1->setFocus();
}

SorterWindow::~SorterWindow() {
    // Decodes not started are dropped; the pool waits for the running ones.
    swapPool.clear();
}

void SorterWindow::connectControls() {
    ThumbnailCanvas* canvas = ui->Picture1;
    connect(canvas, &ThumbnailCanvas::pressed, this, &SorterWindow::choosePicture);
    connect(canvas, &ThumbnailCanvas::clicked, this, &SorterWindow::highlightThumbnail);
    connect(canvas, &ThumbnailCanvas::dragged, this, &SorterWindow::swapByDrag);
    connect(canvas, &ThumbnailCanvas::moveAsked, this, &SorterWindow::moveFocus);
    connect(store, &ThumbnailStore::ready, this, [this](int k) {
        ui->Picture1->updateThumbnail(k);
        for (int s = 0; s < 2; ++s)
            if (choice.filled(s) && choice.index(s) == k && swapPicture[s]->pixmap().isNull())
                showSwapPicture(s);
    });
    connect(store, &ThumbnailStore::progress, this, &SorterWindow::showProgress);

    connect(ui->VScroll1, &QScrollBar::valueChanged, this, &SorterWindow::scrollTo);
    connect(ui->ThumbSizeSlider, &QSlider::valueChanged, this, &SorterWindow::changeThumbnailSize);
    connect(ui->cmdClearSwapPic0, &QPushButton::clicked, this, [this] { clearSwapSlot(0); });
    connect(ui->cmdClearSwapPic1, &QPushButton::clicked, this, [this] { clearSwapSlot(1); });
    for (int s = 0; s < 2; ++s)
        connect(&swapDecodes[s], &QFutureWatcherBase::finished, this, [this, s] {
            const QImage image = swapDecodes[s].result();
            if (choice.filled(s) && !image.isNull())
                swapPicture[s]->setPixmap(QPixmap::fromImage(image));
        });
    connect(ui->cmdSwapPics, &QPushButton::clicked, this, &SorterWindow::swapPictures);
}

void SorterWindow::adjustResolution() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        return;
    if (const auto factors = ResolutionFactors(screen->size()))
        resizeControls(*factors);
    ui->Picture2Inner->setGeometry(ui->Picture2->contentsRect());
    canvasWidth = ui->Picture1->width();
    layout = ThumbnailGrid(thumbSize, canvasWidth);
}

void SorterWindow::resizeControls(ScreenFactors f) {
    for (const Place& p : places)
        p.control->setGeometry(ScaledGeometry(p.design, f, p.rule));
    thumbSize =
        ScaledGeometry(QRect(QPoint(), kDesignThumbnailSize), f, ScaleRule::PlaceAndSize).size();
    setFixedSize(ScaledGeometry(rect(), f, ScaleRule::PlaceAndSize).size());
}

int SorterWindow::viewportHeight() const {
    return ui->Picture2->contentsRect().height();
}

// The thumbnails in view and a screenful either side.
std::pair<int, int> SorterWindow::inView() const {
    const int h = viewportHeight();
    return layout.meeting(-ui->Picture1->y() - h, 3 * h, pictureCount);
}

void SorterWindow::drawImages() {
    layout = ThumbnailGrid(thumbSize, canvasWidth);
    ui->Picture1->move(0, 0);
    ui->Picture1->setGrid(layout, pictureCount);
    store->request(thumbSize, inView());
}

void SorterWindow::drawScrollBar() {
    const auto fit = FitScrollBar(layout, pictureCount, viewportHeight());
    if (!fit) {
        ui->VScroll1->hide();
        return;
    }
    ui->Picture1->resize(ui->Picture1->width(), fit->canvasHeight);
    ui->VScroll1->setValue(0);
    ui->VScroll1->setRange(0, fit->range);
    ui->VScroll1->setSingleStep(thumbSize.height() + kThumbnailGap);
    ui->VScroll1->setPageStep(viewportHeight());
    ui->VScroll1->show();
}

void SorterWindow::scrollTo(int value) {
    ui->Picture1->move(0, -value);
    store->prioritise(inView());
}

void SorterWindow::changeThumbnailSize() {
    thumbSize = ThumbnailSizeFor(ui->ThumbSizeSlider->value());
    if (pictureCount <= 0)
        return;
    drawImages();
    drawScrollBar();
    setHighlight(0);
}

void SorterWindow::showProgress(int done, int asked) {
    ui->ProgressBar1->setMaximum(asked);
    ui->ProgressBar1->setValue(done);
    ui->ProgressBar1->setVisible(done < asked);
}

void SorterWindow::setHighlight(int k) {
    highlight = k;
    ui->Picture1->setHighlighted(k);
    // The keyboard acts on the highlighted thumbnail.
    ui->Picture1->setCurrent(k);
}

void SorterWindow::highlightThumbnail(int k) {
    setHighlight(k);
}

void SorterWindow::moveFocus(int from, int key) {
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
    highlightThumbnail(to);
}

void SorterWindow::ensureVisible(int k) {
    if (!ui->VScroll1->isVisible())
        return;
    const QRect cell = layout.cell(k);
    const int h = viewportHeight();
    int value = ui->VScroll1->value();
    if (cell.top() - kThumbnailGap < value)
        value = cell.top() - kThumbnailGap;
    else if (cell.bottom() + 1 + kThumbnailGap > value + h)
        value = cell.bottom() + 1 + kThumbnailGap - h;
    ui->VScroll1->setValue(value);
}

void SorterWindow::choosePicture(int k) {
    if (const auto slot = choice.choose(k))
        fillSwapSlot(*slot, k);
}

void SorterWindow::fillSwapSlot(int s, int k) {
    clearSwapView(s);
    swapNumber[s]->setText(QString::number(k + 1));
    swapNumber[s]->adjustSize();
    swapNumber[s]->show();
    swapNumber[s]->raise();
    swapCaption[s]->setText(QStringLiteral("Picture Number: ") + QString::number(k + 1));
    swapCaption[s]->show();
    const QString& path = store->path(k);
    swapPicture[s]->setAccessibleName(QStringLiteral("Swap picture %1: slide %2, %3")
                                          .arg(s + 1)
                                          .arg(k + 1)
                                          .arg(QFileInfo(path).fileName()));
    swapPicture[s]->setToolTip(path);
    showSwapPicture(s);
    // The slot is far larger than a thumbnail: its own decode, off the window
    // thread; until it arrives the thumbnail stands in.
    swapDecodes[s].setFuture(QtConcurrent::run(&swapPool, &DecodeSlideToSize, path,
                                               swapPicture[s]->contentsRect().size()));
}

void SorterWindow::showSwapPicture(int s) {
    const QImage& image = store->image(choice.index(s));
    if (!image.isNull())
        swapPicture[s]->setPixmap(QPixmap::fromImage(image));
}

void SorterWindow::clearSwapSlot(int s) {
    choice.clear(s);
    clearSwapView(s);
}

void SorterWindow::clearSwapView(int s) {
    swapPicture[s]->clear();
    swapPicture[s]->setToolTip({});
    swapPicture[s]->setAccessibleName(QStringLiteral("Swap picture %1: empty").arg(s + 1));
    swapNumber[s]->hide();
    swapCaption[s]->hide();
}

void SorterWindow::swapPictures() {
    if (!choice.ready()) {
        ask.messageBox(SelectTwoPicturesMessage());
        return;
    }
    const int a = choice.index(0);
    const int b = choice.index(1);
    document.Change(EditKind::SwapPictures,
                    [a, b](SlideShowProject& show) { SwapSlides(show, a, b); });
    store->swap(a, b);
    ui->Picture1->updateThumbnail(a);
    ui->Picture1->updateThumbnail(b);
    choice.clearBoth();
    clearSwapView(0);
    clearSwapView(1);
}

void SorterWindow::swapByDrag(int from, int to) {
    if (from == to)
        return;
    choice.clearBoth();
    choosePicture(from);
    choosePicture(to);
    swapPictures();
}

bool SorterWindow::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over the grid scrolls it.
    if (watched == ui->Picture1 && event->type() == QEvent::Wheel && ui->VScroll1->isVisible()) {
        QCoreApplication::sendEvent(ui->VScroll1, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
