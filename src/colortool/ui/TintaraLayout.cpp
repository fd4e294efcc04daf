#include "colortool/ui/TintaraLayout.h"

#include "colortool/ui/CompletingCombo.h"
#include "colortool/ui/PaletteBox.h"
#include "colortool/ui/TintaraControls.h"
#include "platform/ui/NamedControl.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const char* const kChannels[] = {"Red", "Green", "Blue"};

QPlainTextEdit* ValueView(const char* name, const QString& accessible) {
    auto* view = Named(new QPlainTextEdit, name);
    view->setReadOnly(true);
    view->setTabChangesFocus(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFixedHeight(view->fontMetrics().lineSpacing() * 2 + 14);
    view->setMinimumWidth(110);
    view->setAccessibleName(accessible);
    return view;
}

QGroupBox* BuildChart(TintaraControls& ui) {
    ui.Frame1 = Named(new QGroupBox(QStringLiteral("Pick from the Color Chart")), "Frame1");
    auto* grid = new QGridLayout(ui.Frame1);
    grid->setSpacing(6);
    for (int k = 0; k < ColorChart::kChartBoxes; ++k) {
        auto* box =
            Named(new PaletteBox(QStringLiteral("Chart color %1").arg(k + 1)), "Picture1", k);
        box->setAccessibleDescription(QStringLiteral("Space picks this color"));
        ui.Picture1[static_cast<std::size_t>(k)] = box;
        grid->addWidget(box, k / 7, k % 7);
    }
    // The chart and the user boxes line up in the same columns.
    grid->setColumnStretch(7, 1);
    return ui.Frame1;
}

QWidget* BuildUserColors(TintaraControls& ui) {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    ui.Label1 = Named(new QLabel(QStringLiteral("Users Special Colors")), "Label1");
    column->addWidget(ui.Label1);
    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    grid->setContentsMargins(9, 0, 9, 0);
    for (int k = 0; k < ColorChart::kUserBoxes; ++k) {
        auto* box = Named(new PaletteBox(QStringLiteral("User color %1").arg(k + 1)), "Picture1",
                          ColorChart::kChartBoxes + k);
        box->setAccessibleDescription(
            QStringLiteral("Space picks this color; Shift+Space stores the selected color here"));
        ui.Picture1[static_cast<std::size_t>(ColorChart::kChartBoxes + k)] = box;
        grid->addWidget(box, k / 7, k % 7);
    }
    grid->setColumnStretch(7, 1);
    column->addLayout(grid);
    return panel;
}

QWidget* BuildActiveColor(TintaraControls& ui) {
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    ui.Frame2 = Named(new QGroupBox(QStringLiteral("Color you Selected")), "Frame2");
    auto* f2 = new QVBoxLayout(ui.Frame2);
    ui.picColorSel = Named(new PaletteBox(QStringLiteral("Color you Selected")), "picColorSel");
    ui.picColorSel->setFixedSize(96, 64);
    ui.picColorSel->setFocusPolicy(Qt::NoFocus);
    ui.picColorSel->setCursor(Qt::ArrowCursor);
    f2->addWidget(ui.picColorSel, 0, Qt::AlignCenter);
    ui.Frame5 = Named(new QGroupBox(QStringLiteral("Color Values")), "Frame5");
    auto* f5 = new QVBoxLayout(ui.Frame5);
    ui.txtHexValue = ValueView("txtHexValue", QStringLiteral("Hex Value"));
    ui.txtDecValue = ValueView("txtDecValue", QStringLiteral("Decimal Value"));
    f5->addWidget(ui.txtHexValue);
    f5->addWidget(ui.txtDecValue);
    h->addWidget(ui.Frame2);
    h->addWidget(ui.Frame5, 1);
    return row;
}

QGroupBox* BuildNames(TintaraControls& ui) {
    ui.Frame4 = Named(new QGroupBox(QStringLiteral("Select Color Name")), "Frame4");
    auto* h = new QHBoxLayout(ui.Frame4);
    ui.Combo1 = Named(new CompletingCombo, "Combo1");
    ui.Combo1->setAccessibleName(QStringLiteral("Select Color Name"));
    h->addWidget(ui.Combo1);
    return ui.Frame4;
}

// One row of three channel boxes with their range labels and button.
void AddChannelRow(TintaraControls& ui, QGridLayout* grid, int row, bool hex) {
    for (int c = 0; c < 3; ++c) {
        const int index = hex ? 3 + c : c;
        auto* box = Named(new QLineEdit, "txtColValue", index);
        box->setMaxLength(hex ? 2 : 3);
        box->setFixedWidth(48);
        box->setAlignment(Qt::AlignCenter);
        box->setAccessibleName(
            QStringLiteral("%1 %2 value")
                .arg(QLatin1String(kChannels[c]),
                     hex ? QStringLiteral("hexadecimal") : QStringLiteral("decimal")));
        ui.txtColValue[static_cast<std::size_t>(index)] = box;
        auto* range = new QLabel(hex ? QStringLiteral("00-FF") : QStringLiteral("0-255"));
        range->setAlignment(Qt::AlignCenter);
        grid->addWidget(box, row, c, Qt::AlignCenter);
        grid->addWidget(range, row + 1, c, Qt::AlignCenter);
    }
    auto* button =
        Named(new QPushButton(QStringLiteral("Show Color")), hex ? "cmdHexColVal" : "cmdDecColVal");
    button->setAccessibleName(hex ? QStringLiteral("Show the hexadecimal color")
                                  : QStringLiteral("Show the decimal color"));
    (hex ? ui.cmdHexColVal : ui.cmdDecColVal) = button;
    grid->addWidget(button, row, 3);
}

QGroupBox* BuildChannels(TintaraControls& ui) {
    ui.Frame3 =
        Named(new QGroupBox(QStringLiteral("Type in a Decimal Value in Each Box")), "Frame3");
    auto* grid = new QGridLayout(ui.Frame3);
    grid->setVerticalSpacing(2);
    AddChannelRow(ui, grid, 0, false);
    ui.Label4 =
        Named(new QLabel(QStringLiteral("Type in a Hexadecimal Value in Each Box")), "Label4");
    grid->addWidget(ui.Label4, 2, 0, 1, 4);
    grid->setRowMinimumHeight(2, 28);
    AddChannelRow(ui, grid, 3, true);
    return ui.Frame3;
}

QGroupBox* BuildSliders(TintaraControls& ui) {
    ui.fraRGBColors = Named(new QGroupBox(QStringLiteral("Slide for a Color")), "fraRGBColors");
    auto* grid = new QGridLayout(ui.fraRGBColors);
    for (int c = 0; c < 3; ++c) {
        auto* name = new QLabel(QLatin1String(kChannels[c]));
        auto* slider = Named(new QSlider(Qt::Horizontal), "Slide", c);
        slider->setRange(0, 255);
        slider->setPageStep(16);
        slider->setAccessibleName(QLatin1String(kChannels[c]));
        name->setBuddy(slider);
        auto* number = Named(new QLabel(QStringLiteral("0")), "lblRGB", c);
        number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("2555")));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ui.Slide[static_cast<std::size_t>(c)] = slider;
        ui.lblRGB[static_cast<std::size_t>(c)] = number;
        grid->addWidget(name, c, 0);
        grid->addWidget(slider, c, 1);
        grid->addWidget(number, c, 2);
    }
    ui.lblSlide = Named(new QLabel(QStringLiteral("Hex Value (000000)")), "lblSlide");
    ui.lblSlide->setAlignment(Qt::AlignCenter);
    ui.lblSlide->setAutoFillBackground(true);
    ui.lblSlide->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.lblSlide->setMinimumHeight(36);
    grid->addWidget(ui.lblSlide, 3, 0, 1, 3);
    ui.cmdSlideSel =
        Named(new QPushButton(QStringLiteral("Press to Change/Select Color Box")), "cmdSlideSel");
    grid->addWidget(ui.cmdSlideSel, 4, 0, 1, 3);
    return ui.fraRGBColors;
}

QWidget* BuildCommands(TintaraControls& ui) {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    ui.lblShowCB = Named(new QLabel, "lblShowCB");
    ui.lblShowCB->setText(
        QStringLiteral("<a href=\"clipboard\">HTML Color Value is in the ClipBoard</a>"));
    ui.lblShowCB->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                          Qt::LinksAccessibleByKeyboard);
    ui.lblShowCB->setAccessibleName(QStringLiteral("HTML Color Value is in the ClipBoard"));
    ui.lblShowCB->setAlignment(Qt::AlignCenter);
    ui.cmdShowMeColors =
        Named(new QPushButton(QStringLiteral("More Colors...")), "cmdShowMeColors");
    ui.cmdFont = Named(new QPushButton(QStringLiteral("Font Select")), "cmdFont");
    ui.Check1 = Named(new QCheckBox(QStringLiteral("Tool Tips - ON")), "Check1");
    ui.cmdExit = Named(new QPushButton(QStringLiteral("Selected OK")), "cmdExit");
    ui.cmdExit->setDefault(true);
    grid->addWidget(ui.lblShowCB, 0, 0, 1, 2);
    grid->addWidget(ui.cmdShowMeColors, 1, 0);
    grid->addWidget(ui.cmdFont, 1, 1);
    grid->addWidget(ui.Check1, 2, 0);
    grid->addWidget(ui.cmdExit, 2, 1);
    return panel;
}

void BuildMenu(QMainWindow& window, TintaraControls& ui) {
    QStyle* style = window.style();
    const QIcon open = style->standardIcon(QStyle::SP_DialogOpenButton);
    const QIcon save = style->standardIcon(QStyle::SP_DialogSaveButton);
    const QIcon help = style->standardIcon(QStyle::SP_DialogHelpButton);
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    ui.mnuImport = Named(file->addAction(open, QStringLiteral("&Import")), "mnuImport");
    ui.mnuExport = Named(file->addAction(save, QStringLiteral("Ex&port")), "mnuExport");
    file->addSeparator();
    ui.mnuHelp = Named(file->addAction(help, QStringLiteral("&Help")), "mnuHelp");
    file->addSeparator();
    ui.mnuExit = Named(
        file->addAction(style->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Exit")),
        "mnuExit");
    ui.Toolbar1 = Named(window.addToolBar(QStringLiteral("Toolbar1")), "Toolbar1");
    ui.Toolbar1->setMovable(false);
    ui.Toolbar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ui.tbImport = ui.Toolbar1->addAction(open, QStringLiteral("Import"));
    ui.tbExport = ui.Toolbar1->addAction(save, QStringLiteral("Export"));
    ui.tbHelp = ui.Toolbar1->addAction(help, QStringLiteral("Help"));
}
} // namespace

void BuildTintaraLayout(QMainWindow& window, TintaraControls& ui) {
    BuildMenu(window, ui);
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildChart(ui));
    left->addWidget(BuildUserColors(ui));
    left->addWidget(BuildActiveColor(ui));
    left->addWidget(BuildNames(ui));
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildChannels(ui));
    right->addWidget(BuildSliders(ui));
    right->addWidget(BuildCommands(ui));
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right, 1);
    window.setCentralWidget(central);
}
