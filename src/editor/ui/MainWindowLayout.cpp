#include "editor/ui/ClickLabel.h"
#include "editor/ui/MainWindowControls.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewStage.h"
#include "platform/ui/AccessibleControls.h"
#include "platform/ui/ColorSwatch.h"
#include "platform/ui/NamedControl.h"
#include "project/ShowLimits.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kSwatch = 18;

QPushButton* Button(const char* name, const QString& text, int index = -1) {
    return Named(new QPushButton(text), name, index);
}

// A swatch that acts as a button, named for screen readers after what it
// colours.
ColorSwatch* Swatch(const char* name, const QString& colours, int index = -1, int side = kSwatch) {
    auto* s = Named(new ColorSwatch, name, index);
    s->setFixedSize(side, side);
    AccessibleControls::MakeButton(s, colours);
    return s;
}

// Boxes whose click repeats what a swatch beside them does: pressable by
// screen readers, but no extra stop for Tab.
template <typename W> void NameClickTarget(W* widget, const QString& name) {
    AccessibleControls::MakeButton(widget, name);
    widget->setFocusPolicy(Qt::ClickFocus);
}

// A widget that keeps its place in the layout while hidden, so showing or
// hiding it does not shift its neighbours.
template <typename W> W* KeepsPlace(W* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

QGroupBox* Group(const char* name, const QString& title) {
    return Named(new QGroupBox(title), name);
}

QWidget* BuildPreviewColumn(MainWindowControls& c) {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    c.preview = Named(new PreviewStage, "preview");
    c.Image1 = Named(c.preview->picture(), "Image1");
    c.ImageBk = Named(c.preview->background(), "ImageBk");
    c.lblNewBkGnd = Named(c.preview->colorSwatch(), "lblNewBkGnd");
    NameClickTarget(c.lblNewBkGnd, QStringLiteral("Slide background colour around the picture"));
    AccessibleControls::NameDisplay(c.Image1, QStringLiteral("Picture preview"));
    AccessibleControls::NameDisplay(c.ImageBk, QStringLiteral("Background picture preview"));
    layout->addWidget(c.preview, 1);

    // The caption box sits inside its frame sample, which shows the frame
    // colour around it as the pages will.
    auto* captionRow = new QHBoxLayout;
    c.lblCaptionfrm = Named(new QLabel(QStringLiteral("Picture Captions")), "lblCaptionfrm");
    c.lblCaption = Named(new ColorSwatch, "lblCaption");
    c.lblCaption->setFrameStyle(QFrame::NoFrame);
    NameClickTarget(c.lblCaption, QStringLiteral("Caption frame colour"));
    auto* frameLayout = new QHBoxLayout(c.lblCaption);
    frameLayout->setContentsMargins(5, 5, 5, 5);
    c.txtCaption = Named(
        new QLineEdit(QStringLiteral("Add a Picture then type in a Caption here.")), "txtCaption");
    c.txtCaption->setMinimumHeight(26);
    c.lblCaptionfrm->setBuddy(c.txtCaption);
    c.txtCaption->setAccessibleName(QStringLiteral("Picture Captions"));
    frameLayout->addWidget(c.txtCaption);
    c.cmdAddCaption = Button("cmdAddCaption", QStringLiteral("Add/Change Caption"));
    captionRow->addWidget(c.lblCaptionfrm);
    captionRow->addWidget(c.lblCaption, 1);
    captionRow->addWidget(c.cmdAddCaption);
    layout->addLayout(captionRow);

    // Stepping buttons in the order a reader expects: rewind, back, auto
    // run, forward, fast forward; the auto-run delay beside them.
    auto* navRow = new QHBoxLayout;
    static constexpr std::array<const char*, 5> kNav{"Forward", ">>", "Auto Run", "<<", "Back"};
    for (int i = 0; i < 5; ++i) {
        c.cmdFB[i] = Button("cmdFB", QString::fromLatin1(kNav[i]), i);
        c.cmdFB[i]->setMinimumWidth(i == 2 ? 92 : 64);
    }
    c.cmdFB[1]->setMinimumWidth(40);
    c.cmdFB[3]->setMinimumWidth(40);
    for (int i : {3, 4, 2, 0, 1})
        navRow->addWidget(c.cmdFB[i]);
    navRow->addSpacing(6);
    navRow->addStretch(1);
    c.lblAutoRun = Named(new ClickLabel(QStringLiteral("Auto Run")), "lblAutoRun");
    c.lblAutoRun->setCursor(Qt::PointingHandCursor);
    c.txtPicTimeSec = Named(new QLineEdit(QStringLiteral("3")), "txtPicTimeSec");
    c.txtPicTimeSec->setFixedWidth(34);
    c.txtPicTimeSec->setAlignment(Qt::AlignRight);
    c.VScrollSec = Named(new QScrollBar(Qt::Vertical), "VScrollSec");
    c.VScrollSec->setRange(kMinDelaySeconds, kMaxDelaySeconds);
    c.VScrollSec->setSingleStep(1);
    c.VScrollSec->setPageStep(1);
    c.VScrollSec->setFixedSize(16, 26);
    c.lblAutoRun->setBuddy(c.txtPicTimeSec);
    c.txtPicTimeSec->setAccessibleName(QStringLiteral("Auto Run delay, seconds (3 to 59)"));
    c.VScrollSec->setAccessibleName(QStringLiteral("Auto Run delay"));
    navRow->addWidget(c.lblAutoRun);
    navRow->addWidget(c.txtPicTimeSec);
    navRow->addWidget(c.VScrollSec);
    navRow->addWidget(new QLabel(QStringLiteral("sec")));
    // The tips switch ends the row: a control of the window itself, so Tab
    // and screen readers reach it (a menu bar's corner widget is outside the
    // accessibility tree).
    c.ckToolTips = Named(new QCheckBox(QStringLiteral("Tips On")), "ckToolTips");
    navRow->addWidget(c.ckToolTips);
    layout->addLayout(navRow);
    return column;
}

QGroupBox* BuildButtonColors(MainWindowControls& c) {
    c.fmeButtonColors = Group("fmeButtonColors", QStringLiteral("Button Colors"));
    auto* buttons = new QGridLayout(c.fmeButtonColors);
    buttons->setContentsMargins(6, 2, 6, 4);
    buttons->setHorizontalSpacing(3);
    buttons->setVerticalSpacing(1);
    static constexpr std::array<const char*, 5> kShort{"Fwd", ">>", "Auto", "<<", "Back"};
    static constexpr std::array<const char*, 5> kWhat{
        "Forward button colour", "Fast forward button colour", "Auto Run button colour",
        "Rewind button colour", "Back button colour"};
    int place = 0;
    for (int i : {3, 4, 2, 0, 1}) {
        c.picButBakColor[i] = Swatch("picButBakColor", QString::fromLatin1(kWhat[i]), i);
        auto* caption = new QLabel(QString::fromLatin1(kShort[i]));
        QFont small = caption->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        caption->setFont(small);
        buttons->addWidget(caption, 0, place, Qt::AlignHCenter);
        buttons->addWidget(c.picButBakColor[i], 1, place, Qt::AlignHCenter);
        ++place;
    }
    return c.fmeButtonColors;
}

QWidget* BuildCommandColumn(MainWindowControls& c) {
    auto* column = new QWidget;
    column->setFixedWidth(190);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* counts = new QGridLayout;
    counts->setVerticalSpacing(2);
    c.lblNumPicSel = Named(new QLabel(QStringLiteral("Pictures Selected")), "lblNumPicSel");
    c.lblPicSelNum =
        Named(new ValueLabel(c.lblNumPicSel->text(), QStringLiteral("0")), "lblPicSelNum");
    c.lblPicNum = Named(new QLabel(QStringLiteral("Viewing Picture")), "lblPicNum");
    c.lblCount = Named(new ValueLabel(c.lblPicNum->text(), QStringLiteral("0")), "lblCount");
    for (QLabel* number : {c.lblPicSelNum, c.lblCount}) {
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        number->setFixedWidth(48);
    }

    c.lblPicsLeft = Named(new QLabel, "lblPicsLeft");
    counts->addWidget(c.lblNumPicSel, 0, 0);
    counts->addWidget(c.lblPicSelNum, 0, 1);
    counts->addWidget(c.lblPicNum, 1, 0);
    counts->addWidget(c.lblCount, 1, 1);
    counts->addWidget(c.lblPicsLeft, 2, 0, 1, 2);
    counts->setColumnStretch(0, 1);
    layout->addLayout(counts);
    layout->addSpacing(4);

    c.cmdAdd = Button("cmdAdd", QStringLiteral("Add Picture(s)"));
    c.cmdChangePic = Button("cmdChangePic", QStringLiteral("Change Picture"));
    c.cmdDelete = Button("cmdDelete", QStringLiteral("Delete Picture/Caption"));
    c.cmdAllImages = KeepsPlace(Button("cmdAllImages", QStringLiteral("sort pictures...")));
    c.cmdShowOptForm = Button("cmdShowOptForm", QStringLiteral("Options..."));
    for (QPushButton* b : {c.cmdAdd, c.cmdChangePic, c.cmdDelete, c.cmdAllImages, c.cmdShowOptForm})
        layout->addWidget(b);

    QFont strong = c.cmdAdd->font();
    strong.setBold(true);
    c.cmdAdd->setFont(strong);
    layout->addSpacing(4);

    c.fmeSong = Group("fmeSong", QStringLiteral("Background Song"));
    auto* song = new QGridLayout(c.fmeSong);
    song->setContentsMargins(6, 4, 6, 4);
    song->setVerticalSpacing(2);
    c.cmdSelectSong = Button("cmdSelectSong", QStringLiteral("Select Song"));
    c.cmdDeleteSong = Button("cmdDeleteSong", QStringLiteral("Delete Song"));
    c.Check1 = Named(new QCheckBox(QStringLiteral("Sound On")), "Check1");
    c.lblSongSeleted = Named(new QLabel(QStringLiteral(": None Selected")), "lblSongSeleted");
    c.lblSongSeleted->setMinimumWidth(1);
    song->addWidget(c.cmdSelectSong, 0, 0);
    song->addWidget(c.cmdDeleteSong, 0, 1);
    song->addWidget(c.Check1, 1, 0, 1, 2);
    song->addWidget(c.lblSongSeleted, 2, 0, 1, 2);
    layout->addWidget(c.fmeSong);

    layout->addWidget(BuildButtonColors(c));
    layout->addStretch(1);
    c.PBar1 = KeepsPlace(Named(new QProgressBar, "PBar1"));
    c.PBar1->setTextVisible(false);
    c.PBar1->setFixedHeight(10);
    c.PBar1->hide();
    layout->addWidget(c.PBar1);
    c.cmdFinish = Button("cmdFinish", QStringLiteral("Make HTML File"));
    c.cmdFinish->setFont(strong);
    c.cmdFinish->setMinimumHeight(34);
    layout->addWidget(c.cmdFinish);
    return column;
}

QGroupBox* BuildPalette(MainWindowControls& c) {
    c.fmeColors = Group("fmeColors", QStringLiteral("Palette"));
    auto* grid = new QGridLayout(c.fmeColors);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(3);
    for (int i = 0; i < 14; ++i) {
        c.PicMFormColors[i] =
            Swatch("PicMFormColors", QStringLiteral("Palette colour %1").arg(i + 1), i);
        grid->addWidget(c.PicMFormColors[i], i / 7, i % 7);
    }
    auto* active = new QHBoxLayout;
    c.picActiveColor = Named(new ColorSwatch, "picActiveColor");
    c.picActiveColor->setFixedSize(24, 24);
    AccessibleControls::NameDisplay(c.picActiveColor, QStringLiteral("Active colour"));
    c.lblActiveColor = Named(new QLabel(QStringLiteral("Active Color")), "lblActiveColor");
    active->addWidget(c.picActiveColor);
    active->addWidget(c.lblActiveColor);
    active->addStretch(1);
    grid->addLayout(active, 2, 0, 1, 7);
    grid->setRowStretch(3, 1);
    return c.fmeColors;
}

QGroupBox* BuildCaptionColors(MainWindowControls& c) {
    c.fmeCaptionColors = Group("fmeCaptionColors", QStringLiteral("Caption Text Colors"));
    auto* grid = new QGridLayout(c.fmeCaptionColors);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(3);
    c.picCapForeColor = Swatch("picCapForeColor", QStringLiteral("Caption text colour"));
    c.cmdCapForeColor = Button("cmdCapForeColor", QStringLiteral("Fore Color"));
    c.picCapBackColor = Swatch("picCapBackColor", QStringLiteral("Caption back colour"));
    c.cmdCapBackColor = Button("cmdCapBackColor", QStringLiteral("Back Color"));
    c.picCapFrameColor = Swatch("picCapFrameColor", QStringLiteral("Caption frame colour"));
    c.cmdCapFrameColor = Button("cmdCapFrameColor", QStringLiteral("Frame Color"));
    c.cmdFont = Button("cmdFont", QStringLiteral("Font..."));
    grid->addWidget(c.picCapForeColor, 0, 0);
    grid->addWidget(c.cmdCapForeColor, 0, 1);
    grid->addWidget(c.picCapBackColor, 1, 0);
    grid->addWidget(c.cmdCapBackColor, 1, 1);
    grid->addWidget(c.picCapFrameColor, 2, 0);
    grid->addWidget(c.cmdCapFrameColor, 2, 1);
    grid->addWidget(c.cmdFont, 3, 1);
    return c.fmeCaptionColors;
}

QGroupBox* BuildBackground(MainWindowControls& c) {
    c.fmeBackGround = Group("fmeBackGround", QStringLiteral("Picture BackGnd  Color Or Wallpaper"));
    auto* grid = new QGridLayout(c.fmeBackGround);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(4);
    c.optBakPicColorOrPic[0] =
        Named(new QRadioButton(QStringLiteral("Background Color")), "optBakPicColorOrPic", 0);
    c.optBakPicColorOrPic[1] =
        Named(new QRadioButton(QStringLiteral("Background Picture")), "optBakPicColorOrPic", 1);
    c.picBackColor = Swatch("picBackColorOrPic", QStringLiteral("Slide background colour"), 0, 26);
    c.picBackPicture = Named(new PictureView(PictureView::Fit::Cover), "picBackColorOrPic", 1);
    c.picBackPicture->setFixedSize(26, 26);
    c.picBackPicture->setFramed(true);
    c.picBackPicture->setCursor(Qt::PointingHandCursor);
    AccessibleControls::MakeButton(c.picBackPicture, QStringLiteral("Slide background picture"));
    c.cmdPicBakColorOrPic[0] = Button("cmdPicBakColorOrPic", QStringLiteral("Pic Color"), 0);
    c.cmdPicBakColorOrPic[1] = Button("cmdPicBakColorOrPic", QStringLiteral("Pic Wall P."), 1);
    grid->addWidget(c.optBakPicColorOrPic[0], 0, 0);
    grid->addWidget(c.picBackColor, 0, 1);
    grid->addWidget(c.cmdPicBakColorOrPic[0], 0, 2);
    grid->addWidget(c.optBakPicColorOrPic[1], 1, 0);
    grid->addWidget(c.picBackPicture, 1, 1);
    grid->addWidget(c.cmdPicBakColorOrPic[1], 1, 2);
    // Extra width goes beside the buttons, keeping each swatch by its option.
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
    return c.fmeBackGround;
}

QGroupBox* BuildColorChooser(MainWindowControls& c) {
    c.fmeTintara = Group("fmeTintara", QStringLiteral("Display Color Form..."));
    auto* chooser = new QVBoxLayout(c.fmeTintara);
    chooser->setContentsMargins(6, 2, 6, 4);
    chooser->setSpacing(2);
    c.optFullOrCondTintara[0] =
        Named(new QRadioButton(QStringLiteral("Tintara Form")), "optFullOrCondTintara", 0);
    c.optFullOrCondTintara[1] =
        Named(new QRadioButton(QStringLiteral("Color Dialog Box")), "optFullOrCondTintara", 1);
    c.ShowCTform = Button("ShowCTform", QStringLiteral("Tintara..."));
    chooser->addWidget(c.optFullOrCondTintara[0]);
    chooser->addWidget(c.optFullOrCondTintara[1]);
    chooser->addWidget(c.ShowCTform);
    chooser->addStretch(1);
    return c.fmeTintara;
}

void BuildMenu(QMainWindow& window, MainWindowControls& c) {
    QMenuBar* bar = window.menuBar();
    c.mnuFile = Named(bar->addMenu(QStringLiteral("&File")), "mnuFile");
    c.mnuAddPictures =
        Named(c.mnuFile->addAction(QStringLiteral("Add Picture(s)...")), "mnuAddPictures");
    c.mnuFinish = Named(c.mnuFile->addAction(QStringLiteral("Make HTML File")), "mnuFinish");
    c.mnuFile->addSeparator();
    c.mnuExit = Named(c.mnuFile->addAction(QStringLiteral("Exit")), "mnuExit");
    c.mnuTools = Named(bar->addMenu(QStringLiteral("&Tools")), "mnuTools");
    c.mnuSortPictures =
        Named(c.mnuTools->addAction(QStringLiteral("Sort Pictures...")), "mnuSortPictures");
    c.mnuOptions = Named(c.mnuTools->addAction(QStringLiteral("Options...")), "mnuOptions");
    c.mnuHelpMenu = Named(bar->addMenu(QStringLiteral("&Help")), "mnuHelpMenu");
    c.mnuHelp = Named(c.mnuHelpMenu->addAction(QStringLiteral("&Help Contents")), "mnuHelp");
    c.mnuHelp->setShortcut(QKeySequence::HelpContents);
    c.mnuEmail = Named(c.mnuHelpMenu->addAction(QStringLiteral("&E-mail...")), "mnuEmail");
    c.mnuHelpMenu->addSeparator();
    c.mnuCFaboutProg = Named(
        c.mnuHelpMenu->addAction(QStringLiteral("&About Pevrano Slide Show...")), "mnuCFaboutProg");
}
} // namespace

MainWindowControls BuildForm1Layout(QMainWindow& window) {
    MainWindowControls c;
    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 4, 6, 6);
    outer->setSpacing(6);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(BuildPreviewColumn(c), 1);
    top->addWidget(BuildCommandColumn(c));
    outer->addLayout(top, 1);

    auto* bench = new QHBoxLayout;
    bench->setSpacing(4);
    bench->addWidget(BuildPalette(c));
    bench->addWidget(BuildCaptionColors(c));
    bench->addWidget(BuildBackground(c), 1);
    bench->addWidget(BuildColorChooser(c));
    outer->addLayout(bench);

    window.setCentralWidget(central);
    BuildMenu(window, c);

    // Tab follows the stepping buttons in the order they stand, not the
    // order of their indexes.
    QWidget* previous = c.cmdAddCaption;
    for (int i : {3, 4, 2, 0, 1}) {
        QWidget::setTabOrder(previous, c.cmdFB[i]);
        previous = c.cmdFB[i];
    }

    c.Timer1 = Named(new QTimer(&window), "Timer1");
    return c;
}
