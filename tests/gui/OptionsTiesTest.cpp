// The options window's controls are tied to their rows of the settings
// tables: a value set in the window is the show's at once, is kept by the
// show file and the user's settings, and a window on the value read back
// shows it again.
#include "MainWindowFixture.h"
#include "document/ShowFile.h"
#include "document/ShowFileWriter.h"
#include "editor/ui/OptionsWindow.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/TiedSettings.h"
#include "project/CompileChoices.h"
#include "project/ShowValues.h"
#include "project/StoredSettings.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <variant>

namespace {
// A row of either table that names an options window control.
struct TiedRow {
    const char* control;
    const char* stored; // nullptr: the user's settings do not keep it
    std::variant<QString ShowSettings::*, qint16 ShowSettings::*, bool ShowSettings::*,
                 ColorValue ShowSettings::*>
        field;
    qint16 low;
    qint16 high;
};

std::vector<TiedRow> TiedRows() {
    std::vector<TiedRow> rows;
    for (const ShowValue& v : kShowValues)
        if (v.control)
            rows.push_back({v.control, v.stored, v.field, v.low, v.high});
    for (const CompileChoice& c : kCompileChoices)
        if (c.control)
            std::visit(
                [&](auto field) {
                    rows.push_back({c.control, c.name, field, c.low, c.high});
                },
                c.field);
    return rows;
}

QString ValueText(const ShowSettings& s, const TiedRow& row) {
    return std::visit([&](auto field) { return QVariant::fromValue(s.*field).toString(); },
                      row.field);
}

// The members of the control of that name: one, or an array by its index.
QList<QWidget*> Members(const QWidget& window, const char* name) {
    QList<QWidget*> members = window.findChildren<QWidget*>(QLatin1String(name));
    std::sort(members.begin(), members.end(), [](QWidget* a, QWidget* b) {
        return a->property("Index").toInt() < b->property("Index").toInt();
    });
    return members;
}

// What the control shows, whatever its kind.
QString Shown(const QWidget& window, const char* name) {
    QStringList shown;
    for (QWidget* w : Members(window, name)) {
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown << QString::number(button->isChecked());
        else if (auto* slider = qobject_cast<QAbstractSlider*>(w))
            shown << QString::number(slider->value());
        else if (auto* spin = qobject_cast<QSpinBox*>(w))
            shown << QString::number(spin->value());
        else if (auto* text = qobject_cast<QLineEdit*>(w))
            shown << text->text();
        else if (auto* picture = qobject_cast<PictureView*>(w))
            shown << picture->path();
    }
    return shown.join(u',');
}

// A click on the box of a check box or option button (a box wider than its
// text takes no click beside the text).
void ClickIndicator(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Changes the control as a user would: a click, a key, typing, or the
// picture dialog behind the button beside a picture.
void ChangeAsUser(QWidget& window, const TiedRow& row, ScriptedPrompter& ui, const QString& tile) {
    const QList<QWidget*> members = Members(window, row.control);
    ASSERT_FALSE(members.isEmpty()) << row.control;
    QWidget* w = members[0];
    if (members.size() > 1) {
        for (QWidget* option : members)
            if (!static_cast<QAbstractButton*>(option)->isChecked()) {
                ClickIndicator(option);
                return;
            }
    } else if (qobject_cast<QCheckBox*>(w)) {
        ClickIndicator(w);
    } else if (qobject_cast<QAbstractSlider*>(w) || qobject_cast<QSpinBox*>(w)) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Down);
    } else if (auto* text = qobject_cast<QLineEdit*>(w)) {
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QString::number((row.low + row.high) / 2));
        // Leaving the box takes the number (Enter would close the window).
        QTest::keyClick(text, Qt::Key_Tab);
    } else if (qobject_cast<PictureView*>(w)) {
        ui.queueFiles({tile});
        Control<QPushButton>(window, "cmdOpenBkPic")->click();
    } else {
        FAIL() << row.control << " is a control the options window cannot tie";
    }
}

// The controls of the main window a show file or the settings never reach.
struct QuietControls : SettingsControls {
    void selectBackgroundMode(int) override {}
    void selectColorChooser(int) override {}
    bool colorToolSelected() const override { return true; }
    void tickToolTips(bool) override {}
    bool toolTipsTicked() const override { return true; }
    void tickSound(bool) override {}
    bool soundTicked() const override { return false; }
    bool showDelay(qint16) override { return true; }
    void showCaptionForeColor(ColorValue) override {}
    void showCaptionBackColor(ColorValue) override {}
    ColorValue captionBoxBackColor() const override { return 0; }
    void showNewBackgroundColor(ColorValue) override {}
    ColorValue newBackgroundColor() const override { return 0; }
    void refreshColorBoxes() override {}
};
} // namespace

TEST_F(MainWindowTest, EveryTiedRowRoundTripsThroughTheOptionsWindow) {
    const QString tile = MakePicture(folder(), QStringLiteral("tile.jpg"));
    ShowSettings& s = project().settings;
    s.Player = false; // the sizes' box is then a choice of its own
    const SlideShowProject before = project();
    const std::vector<TiedRow> rows = TiedRows();
    ASSERT_FALSE(rows.empty());

    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<OptionsWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        seen = true;
        QApplication::setActiveWindow(w);
        for (const TiedRow& row : rows) {
            const QString was = ValueText(s, row);
            ChangeAsUser(*w, row, ui, tile);
            EXPECT_NE(ValueText(s, row), was) << row.control << " is not tied to its row";
        }
        Control<QPushButton>(*w, "cmdOk")->click();
    });
    form->ui.cmdShowOptForm->click();
    ASSERT_TRUE(seen);

    // Stored: the show file keeps every row, the user's settings theirs.
    const ShowFileContext where{QString(), QString(), QString()};
    const auto read = ParseShow(ShowFileJson(project(), folder()), folder(), "show", where);
    ASSERT_TRUE(std::holds_alternative<LoadedShow>(read)) << std::get<QString>(read).toStdString();
    SlideShowProject readBack = std::get<LoadedShow>(read).project;
    QSettings store(QDir(folder()).filePath("Settings.conf"), QSettings::IniFormat);
    QuietControls quiet;
    ASSERT_TRUE(SaveFormSettings(store, s, project().tool, quiet));
    ShowSettings remembered;
    ToolPreferences tool;
    ReadInSettings(store, remembered, tool, quiet, folder(), folder());
    for (const TiedRow& row : rows) {
        EXPECT_EQ(ValueText(readBack.settings, row), ValueText(s, row)) << row.control;
        if (row.stored)
            EXPECT_EQ(ValueText(remembered, row), ValueText(s, row)) << row.control;
    }

    // Read back: a window on the show read back shows what the edited one
    // does, and each value read back, alone in the show as it was, shows
    // apart from that show (the player's box would hide the sizes' one).
    SlideShowProject old = before;
    OptionsWindow edited(project(), ui, {}), shown(readBack, ui, {}), unedited(old, ui, {});
    for (const TiedRow& row : rows) {
        EXPECT_EQ(Shown(shown, row.control), Shown(edited, row.control)) << row.control;
        SlideShowProject one = before;
        std::visit([&](auto field) { one.settings.*field = readBack.settings.*field; }, row.field);
        OptionsWindow alone(one, ui, {});
        EXPECT_NE(Shown(alone, row.control), Shown(unedited, row.control)) << row.control;
    }
}

// Every control of the options window that holds a value is tied to a row,
// but the caption button and the skip box, which types into the tied scroll
// bar.
TEST_F(MainWindowTest, EveryValueControlOfTheOptionsWindowIsTied) {
    OptionsWindow w(project(), ui, {});
    const TiedSettings* tied = w.findChild<TiedSettings*>();
    ASSERT_NE(tied, nullptr);
    const QStringList untied{"ckSameCaption", "txtFFRev"};
    int count = 0;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        const bool holdsValue = qobject_cast<QAbstractButton*>(c) && !qobject_cast<QPushButton*>(c);
        if (!holdsValue && !qobject_cast<QAbstractSlider*>(c) && !qobject_cast<QSpinBox*>(c) &&
            !qobject_cast<QLineEdit*>(c) && !qobject_cast<PictureView*>(c))
            continue;
        if (qobject_cast<QLineEdit*>(c) && qobject_cast<QSpinBox*>(c->parentWidget()))
            continue; // the spin box's own text
        EXPECT_EQ(tied->isTied(c), !untied.contains(c->objectName()))
            << c->objectName().toStdString();
        count += tied->isTied(c);
    }
    EXPECT_EQ(count, 13); // eleven rows, two of them arrays of two
}
