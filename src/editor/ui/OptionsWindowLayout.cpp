// The controls of the options window and their places.
#include "editor/ui/OptionsWindow.h"

#include "editor/ui/PictureView.h"
#include "platform/ui/NamedControl.h"
#include "project/ShowSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QLabel* WrappedLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}
} // namespace

void OptionsWindow::buildLayout() {
    setWindowTitle(QStringLiteral("Options"));

    Label2 = Named(new QLabel(QStringLiteral("Options form"), this), "Label2");
    QFont heading = Label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label2->setFont(heading);

    ckFlashing =
        Named(new QCheckBox(QStringLiteral("Use Flashing Colors in Openning HTML Web Page"), this),
              "ckFlashing");
    ckSameCaption = Named(new QCheckBox(QStringLiteral("Use Same Caption for every slide"), this),
                          "ckSameCaption");
    Label3 = WrappedLabel(
        QStringLiteral("Using Captions is highly recommened even if it's just the date and time. "
                       "See button below. Use after all pictures are selected."),
        "Label3", this);
    cmdReset = Named(new QPushButton(QStringLiteral("Reset"), this), "cmdReset");

    Frame5 = Named(new QGroupBox(QStringLiteral("Openning page background picture/tile"), this),
                   "Frame5");
    // A tile for the page's background: shown filling a sunken box.
    auto* picFrame = new QFrame(Frame5);
    picFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picFrame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    PicBxOpenBkPic = Named(new PictureView(PictureView::Fit::Cover, picFrame), "PicBxOpenBkPic");
    PicBxOpenBkPic->setFixedSize(120, 90);
    auto* picFrameLayout = new QVBoxLayout(picFrame);
    picFrameLayout->setContentsMargins(1, 1, 1, 1);
    picFrameLayout->addWidget(PicBxOpenBkPic);
    cmdOpenBkPic =
        Named(new QPushButton(QStringLiteral("Select Background"), Frame5), "cmdOpenBkPic");
    auto* frame5Layout = new QVBoxLayout(Frame5);
    frame5Layout->addWidget(picFrame, 0, Qt::AlignHCenter);
    frame5Layout->addWidget(cmdOpenBkPic);
    frame5Layout->addStretch();

    Frame3 = Named(new QGroupBox(QStringLiteral("Back Ground Image"), this), "Frame3");
    optBkGndImgOptForm = {
        Named(new QRadioButton(QStringLiteral("Same back image for every slide"), Frame3),
              "optBkGndImgOptForm", 0),
        Named(new QRadioButton(QStringLiteral("A different back image for every slide"), Frame3),
              "optBkGndImgOptForm", 1)};
    auto* frame3Layout = new QVBoxLayout(Frame3);
    for (QRadioButton* r : optBkGndImgOptForm)
        frame3Layout->addWidget(r);

    Frame2 = Named(new QGroupBox(QStringLiteral("Back Ground Color"), this), "Frame2");
    optPicBkGndColorOptionFrm = {
        Named(new QRadioButton(QStringLiteral("Same back color for every slide"), Frame2),
              "optPicBkGndColorOptionFrm", 0),
        Named(new QRadioButton(QStringLiteral("A different back color for every slide"), Frame2),
              "optPicBkGndColorOptionFrm", 1)};
    auto* frame2Layout = new QVBoxLayout(Frame2);
    for (QRadioButton* r : optPicBkGndColorOptionFrm)
        frame2Layout->addWidget(r);

    Frame1 =
        Named(new QGroupBox(QStringLiteral("Select a number of slides to skip "), this), "Frame1");
    txtFFRev = Named(new QLineEdit(Frame1), "txtFFRev");
    txtFFRev->setMaxLength(5);
    txtFFRev->setFixedWidth(txtFFRev->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    txtFFRev->setAlignment(Qt::AlignRight);
    VScrollopt = Named(new QScrollBar(Qt::Vertical, Frame1), "VScrollopt");
    VScrollopt->setRange(2, 99);
    VScrollopt->setSingleStep(1);
    VScrollopt->setPageStep(1);
    VScrollopt->setFixedHeight(txtFFRev->sizeHint().height() + 8);
    Label1 = WrappedLabel(
        QStringLiteral("Amount of Slides to skip when these buttons are pressed. 2 - 99"), "Label1",
        Frame1);
    lblFFRevButttons = Named(
        new QLabel(QStringLiteral(" <<     Buttons       >>               Rewind  + Fast Forward"),
                   Frame1),
        "lblFFRevButttons");
    Label1->setBuddy(txtFFRev);
    txtFFRev->setAccessibleName(QStringLiteral("Slides to skip (2 to 99)"));
    VScrollopt->setAccessibleName(QStringLiteral("Slides to skip"));
    auto* frame1Layout = new QGridLayout(Frame1);
    auto* entry = new QHBoxLayout;
    entry->setSpacing(2);
    entry->addWidget(txtFFRev);
    entry->addWidget(VScrollopt);
    entry->addStretch();
    frame1Layout->addLayout(entry, 0, 0);
    frame1Layout->addWidget(Label1, 0, 1);
    frame1Layout->addWidget(lblFFRevButttons, 1, 0, 1, 2);
    frame1Layout->setColumnStretch(1, 1);

    Label4 = WrappedLabel(QStringLiteral("Set all changes and settings then press the OK! button."),
                          "Label4", this);
    cmdOk = Named(new QPushButton(QStringLiteral("OK!"), this), "cmdOk");
    cmdOk->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0, 1, 2);
    auto* captionBox = new QVBoxLayout;
    captionBox->addWidget(ckFlashing);
    captionBox->addWidget(ckSameCaption);
    captionBox->addWidget(Label3);
    auto* resetRow = new QHBoxLayout;
    resetRow->addWidget(cmdReset);
    resetRow->addStretch();
    captionBox->addLayout(resetRow);
    captionBox->addStretch();
    grid->addLayout(captionBox, 1, 0);
    grid->addWidget(Frame5, 1, 1);
    grid->addWidget(Frame3, 2, 0);
    grid->addWidget(Frame2, 2, 1);
    grid->addWidget(Frame1, 3, 0, 1, 2);
    grid->addLayout(buildFitRow(), 4, 0, 1, 2);
    ckPictureSizes = Named(new QCheckBox(QStringLiteral("Write thumbnails and a phone size"), this),
                           "ckPictureSizes");
    grid->addWidget(ckPictureSizes, 5, 0, 1, 2);
    ckPlayer = Named(new QCheckBox(QStringLiteral("Write the player page (index.html)"), this),
                     "ckPlayer");
    grid->addWidget(ckPlayer, 6, 0, 1, 2);
    // The compile keeps the sizes it makes for the next compile of the same
    // pictures, within this room on disk.
    lblSizesCache =
        Named(new QLabel(QStringLiteral("&Keep made sizes for later compiles, up to:"), this),
              "lblSizesCache");
    spnSizesCache = Named(new QSpinBox(this), "spnSizesCache");
    spnSizesCache->setRange(kSizesCacheMin, kSizesCacheMax);
    spnSizesCache->setSuffix(QStringLiteral(" MB"));
    spnSizesCache->setAccessibleName(QStringLiteral("Keep made sizes for later compiles, up to"));
    lblSizesCache->setBuddy(spnSizesCache);
    auto* cacheRow = new QHBoxLayout;
    cacheRow->addWidget(lblSizesCache);
    cacheRow->addWidget(spnSizesCache);
    cacheRow->addStretch();
    grid->addLayout(cacheRow, 7, 0, 1, 2);
    // Tab reaches these before the OK! button made ahead of them.
    setTabOrder(txtFitHeight, ckPictureSizes);
    setTabOrder(ckPictureSizes, ckPlayer);
    setTabOrder(ckPlayer, spnSizesCache);
    setTabOrder(spnSizesCache, cmdOk);
    auto* okRow = new QHBoxLayout;
    okRow->addWidget(Label4, 1);
    okRow->addWidget(cmdOk);
    grid->addLayout(okRow, 8, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

// "Fit pictures for the web" and the box the compiled pictures must fit.
QLayout* OptionsWindow::buildFitRow() {
    ckFitPictures =
        Named(new QCheckBox(QStringLiteral("Fit pictures for the web"), this), "ckFitPictures");
    const auto side = [this](const QString& label, const char* labelName, const char* boxName,
                             QLabel*& lbl, QLineEdit*& box) {
        lbl = Named(new QLabel(label, this), labelName);
        box = Named(new QLineEdit(this), boxName);
        box->setMaxLength(4);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
        box->setAlignment(Qt::AlignRight);
        box->setAccessibleName(label.chopped(1).remove(u'&'));
        lbl->setBuddy(box);
    };
    side(QStringLiteral("Largest &width:"), "lblFitWidth", "txtFitWidth", lblFitWidth, txtFitWidth);
    side(QStringLiteral("Largest &height:"), "lblFitHeight", "txtFitHeight", lblFitHeight,
         txtFitHeight);
    auto* row = new QHBoxLayout;
    row->addWidget(ckFitPictures);
    row->addSpacing(12);
    row->addWidget(lblFitWidth);
    row->addWidget(txtFitWidth);
    row->addWidget(lblFitHeight);
    row->addWidget(txtFitHeight);
    row->addWidget(new QLabel(QStringLiteral("pixels"), this));
    row->addStretch();
    return row;
}
