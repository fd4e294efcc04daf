// The controls of the caption style preview and their places.
#include "captionstyle/ui/frmPreview.h"

#include "platform/ui/NamedControl.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// An editable list that never adds what is typed to its entries and leaves
// completion to the window.
QComboBox* EditableList(const char* name, const QString& tip, QWidget* parent) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setToolTip(tip);
    box->setMaxVisibleItems(16);
    return box;
}

QPushButton* Button(const QString& text, const char* name, const QString& tip, QWidget* parent) {
    auto* button = Named(new QPushButton(text, parent), name);
    button->setToolTip(tip);
    return button;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text.simplified());
    return label;
}
} // namespace

void frmPreview::buildLayout() {
    setWindowTitle(QStringLiteral("Actual Html Preview"));

    // The browser's place: the view is put in when the window is first shown.
    auto* place = new QFrame(this);
    place->setObjectName(QStringLiteral("WebBrowser1Place"));
    place->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    place->setMinimumSize(640, 220);
    auto* placeLayout = new QVBoxLayout(place);
    placeLayout->setContentsMargins(1, 1, 1, 1);
    lblBrowser = new QLabel(place);
    lblBrowser->setWordWrap(true);
    lblBrowser->setAlignment(Qt::AlignCenter);
    lblBrowser->hide();
    placeLayout->addWidget(lblBrowser);
    browserPlace = place;

    fmeCaption =
        Named(new QGroupBox(QStringLiteral("Text Caption Configurations"), this), "fmeCaption");
    txtSampleCap = Named(new QLineEdit(fmeCaption), "txtSampleCap");
    txtSampleCap->setToolTip(QStringLiteral("Type in here and press 'Show this Sample'  button."));
    txtSampleCap->setAccessibleName(QStringLiteral("Sample caption"));
    cmdShowthissample = Button(
        QStringLiteral("Show this sample"), "cmdShowthissample",
        QStringLiteral("Shows above how your settings will look in a web page."), fmeCaption);
    auto* captionLayout = new QHBoxLayout(fmeCaption);
    captionLayout->addWidget(txtSampleCap, 1);
    captionLayout->addWidget(cmdShowthissample);

    fmeAttributes =
        Named(new QGroupBox(QStringLiteral("Select Actual Attibutes as it will look in a Web Page"),
                            this),
              "fmeAttributes");
    cboFonts = EditableList("cboFonts", QStringLiteral("Actual Font Names on this computer."),
                            fmeAttributes);
    cboFontSize = EditableList("cboFontSize", QString(), fmeAttributes);
    cboRecommedFonts =
        EditableList("cboRecommedFonts",
                     QStringLiteral("Controls all settings with one selection."), fmeAttributes);
    cboMySettings = EditableList(
        "cboMySettings", QStringLiteral("Create your own settings then save them."), fmeAttributes);
    cmdDefaultSettings =
        Button(QStringLiteral("Default Settings..."), "cmdDefaultSettings",
               QStringLiteral("Resets all Settings to the original setup."), fmeAttributes);
    cmdSavethesesettings =
        Button(QStringLiteral("Save as  My Saved Settings"), "cmdSavethesesettings",
               QStringLiteral("Saves all settings as your own personal scheme of settings."),
               fmeAttributes);
    cmdDeleteSettings =
        Button(QStringLiteral("Delete My Saved Settings..."), "cmdDeleteSettings",
               QStringLiteral("Delete the settings you've made in the 'My Saved Settings'  box."),
               fmeAttributes);

    auto* grid = new QGridLayout(fmeAttributes);
    grid->addWidget(BuddyLabel(QStringLiteral("Font  Names"), cboFonts, fmeAttributes), 0, 0);
    grid->addWidget(cboFonts, 1, 0);
    grid->addWidget(BuddyLabel(QStringLiteral("Font Size"), cboFontSize, fmeAttributes), 0, 1);
    grid->addWidget(cboFontSize, 1, 1, Qt::AlignLeft);
    grid->addWidget(BuddyLabel(QStringLiteral("Recommended Fonts and Settings"), cboRecommedFonts,
                               fmeAttributes),
                    2, 0);
    grid->addWidget(cboRecommedFonts, 3, 0);
    grid->addWidget(cmdDefaultSettings, 3, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("My Saved Settings"), cboMySettings, fmeAttributes),
                    4, 0);
    grid->addWidget(cboMySettings, 5, 0);
    auto* setButtons = new QHBoxLayout;
    setButtons->addWidget(cmdSavethesesettings);
    setButtons->addWidget(cmdDeleteSettings);
    grid->addLayout(setButtons, 5, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    cboFontSize->setMinimumContentsLength(5);
    cboFontSize->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    cmdExit =
        Button(QStringLiteral("Ok "), "cmdExit", QStringLiteral("Press when finished."), this);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(place, 1);
    layout->addWidget(fmeCaption);
    layout->addWidget(fmeAttributes);
    layout->addLayout(bottom);

    setTabOrder(txtSampleCap, cmdShowthissample);
    setTabOrder(cmdShowthissample, cboFonts);
    setTabOrder(cboFonts, cboFontSize);
    setTabOrder(cboFontSize, cboRecommedFonts);
    setTabOrder(cboRecommedFonts, cmdDefaultSettings);
    setTabOrder(cmdDefaultSettings, cboMySettings);
    setTabOrder(cboMySettings, cmdSavethesesettings);
    setTabOrder(cmdSavethesesettings, cmdDeleteSettings);
    setTabOrder(cmdDeleteSettings, cmdExit);
}
