// File > Publish Show... as a user meets it: the publish dialog, the
// progress window and its Cancel, against a WebDAV server started here.
#include "AccessibilityWalk.h"
#include "RcloneServer.h"
#include "ScriptedCompileHost.h"
#include "core/TestFiles.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/PublishWiring.h"
#include "publish/RemoteSetup.h"
#include "publish/ui/PublishDialog.h"
#include "publish/ui/PublishFromWindow.h"
#include "publish/ui/PublishProgressWindow.h"
#include "publish/ui/RemoteForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Answers the publish dialog and, once pictures travel, cancels when told to;
// closes the progress window when the publish ended, keeping what it said.
struct WindowScript {
    bool cancel = true;
    bool cancelled = false;
    QString said;
    // The paths typed into the dialog, one each time it opens.
    QStringList paths = {"shows"};
    QStringList saidBefore; // what earlier progress windows said

    // PUBLISH_SCREENSHOTS=folder keeps a picture of each window to look at.
    static void Keep(QWidget* w, const QString& name) {
        const QString folder = qEnvironmentVariable("PUBLISH_SCREENSHOTS");
        if (!folder.isEmpty())
            w->grab().save(QDir(folder).filePath(name + ".png"));
    }

    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal)
            Keep(modal, modal->objectName() + (modal->findChild<QPushButton*>("cmdClose")
                                                   ? QStringLiteral("-done")
                                                   : QString()));
        if (auto* dialog = qobject_cast<PublishDialog*>(modal)) {
            dialog->findChild<QComboBox*>("cboRemote")->setCurrentText("site");
            dialog->findChild<QLineEdit*>("txtRemotePath")->setText(paths.takeFirst());
            dialog->findChild<QPushButton*>("cmdPublish")->click();
        } else if (auto* window = qobject_cast<PublishProgressWindow*>(modal)) {
            if (auto* close = window->findChild<QPushButton*>("cmdClose")) {
                if (!said.isEmpty())
                    saidBefore << said;
                said = window->findChild<QLabel*>("lblStep")->text();
                auto* other = window->findChild<QPushButton*>("cmdOtherPath");
                (other && !paths.isEmpty() ? other : close)->click();
            } else if (cancel && !cancelled &&
                       !window->findChild<QLabel*>("lblFigures")->text().isEmpty() &&
                       window->findChild<QLabel*>("lblStep")->text().startsWith(
                           "Sending the pictures")) {
                window->findChild<QPushButton*>("cmdCancel")->click();
                cancelled = true;
            }
        }
    }
};
} // namespace

TEST(PublishWindow, CancelThenFinishThenAnotherPathAfterAClash) {
    QTemporaryDir dir;
    for (const char* name : {"program/wood.gif", "program/photo.jar", "program/ssbc.jpg",
                             "program/ssbnoc.jpg", "program/ssnobnoc.jpg", "program/catalog.jpg",
                             "program/fraleft.jpg", "program/fraright.jpg"})
        WriteFile(dir.filePath(name), TinyPicture(QFileInfo(name).suffix().prepend('.')));
    SlideShowProject p;
    p.GrowSlots(); // the first block of slots, as the window's start makes it
    p.settings.OpenPgBkPic = dir.filePath("program/wood.gif");
    for (int k = 1; k <= 3; ++k) {
        const QString picture = dir.filePath(QStringLiteral("p%1.jpg").arg(k));
        WriteFile(picture, TinyPicture(".jpg", QByteArray(2 << 20, static_cast<char>('a' + k))));
        p.AppendPicture(picture);
        p.slide(k).Caption = QStringLiteral("slide %1").arg(k);
    }

    RcloneServer server(RcloneServer::Kind::WebDav, dir.filePath("served"),
                        dir.filePath("server.log"), "u", "pw");
    ASSERT_TRUE(server.start());
    RcloneProgram rclone;
    rclone.environment.insert("RCLONE_CONFIG", dir.filePath("rclone.conf"));
    ASSERT_EQ(MakeRemote(rclone, {RemoteKind::WebDav, "site", server.address(), 0, "u", "pw"}),
              std::nullopt);

    ScriptedCompileHost host;
    const auto publish = [&](WindowScript& script) {
        host.pageNames = {"trip"};
        host.folderNames = {"trip"};
        host.ui.queueMessageAnswer(MsgResult::Yes); // "Compile your Slide Show Now?"
        host.ui.queueInput(QStringLiteral("Hello"));
        PublishWindowContext c{
            nullptr, host.ui, host, dir.filePath("program"), dir.filePath("cache"), rclone};
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { script.tick(); });
        timer.start(20);
        // The window keeps what the publish hands back; true when it differs.
        const ShowChange::KeptAnswers kept = PublishFromWindow(p, c);
        const bool changed = kept != ShowChange::KeptAnswers::Of(p);
        kept.PutInto(p);
        return changed;
    };

    rclone.environment.insert("RCLONE_BWLIMIT", "1M");
    WindowScript first;
    EXPECT_TRUE(publish(first)); // the show now names its target
    EXPECT_TRUE(first.cancelled);
    EXPECT_EQ(first.said,
              "The publish was cancelled. The remote holds part of the show; publish again to "
              "finish it.");
    EXPECT_EQ(p.publish, (PublishTarget{"site", "shows", ""}));
    EXPECT_FALSE(QFile::exists(dir.filePath("served/shows/trip/trip.htm")));

    rclone.environment.remove("RCLONE_BWLIMIT");
    WindowScript second{false};
    EXPECT_FALSE(publish(second));
    EXPECT_TRUE(second.said.startsWith("The show is published")) << second.said.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("served/shows/trip/trip.htm")));
    EXPECT_EQ(QFileInfo(dir.filePath("served/shows/trip/pix/pic3.jpg")).size(),
              QFileInfo(dir.filePath("p3.jpg")).size());

    // Someone else's show folder of that name: the window offers another path.
    ASSERT_TRUE(RcloneCall::Run(rclone, {"rcat", "site:theirs/trip/pix/pic1.jpg"}, "theirs").ok());
    WindowScript third{false};
    third.paths = {"theirs", "ours"};
    EXPECT_TRUE(publish(third));
    ASSERT_EQ(third.saidBefore.size(), 1);
    EXPECT_TRUE(third.saidBefore[0].contains("pix/pic1.jpg"));
    EXPECT_TRUE(third.said.startsWith("The show is published")) << third.said.toStdString();
    EXPECT_EQ(p.publish.path, "ours");
    EXPECT_EQ(QFileInfo(dir.filePath("served/ours/trip/pix/pic1.jpg")).size(),
              QFileInfo(dir.filePath("p1.jpg")).size());
    EXPECT_EQ(QFileInfo(dir.filePath("served/theirs/trip/pix/pic1.jpg")).size(), 6);
    // The staging folders went.
    EXPECT_TRUE(QDir(dir.filePath("cache/publish")).isEmpty());
}

// The new-remote form makes a WebDAV remote from what was typed: the
// password reaches rclone's file obscured, through no command line. Every
// control of the three windows has a name and is reached by Tab.
TEST(PublishWindow, NewRemoteFormAndEveryControlNamed) {
    QTemporaryDir dir;
    RcloneProgram rclone;
    rclone.environment.insert("RCLONE_CONFIG", dir.filePath("rclone.conf"));
    ScriptedPrompter ui;
    RemoteForm form(rclone, ui);
    form.show();
    EXPECT_EQ(AccessibilityProblems(&form), QStringList());
    form.findChild<QComboBox*>("cboRemoteType")->setCurrentIndex(1); // WebDAV
    form.findChild<QLineEdit*>("txtRemoteName")->setText("my site");
    form.findChild<QLineEdit*>("txtServer")->setText("https://example.org/dav/");
    form.findChild<QLineEdit*>("txtUser")->setText("ann");
    form.findChild<QLineEdit*>("txtPassword")->setText("pa55-word");
    WindowScript::Keep(&form, "RemoteForm");
    form.accept();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(ui.questions().empty());
    const QByteArray config = ReadFile(dir.filePath("rclone.conf"));
    EXPECT_TRUE(config.contains("[my site]\npass = ")) << config.toStdString();
    EXPECT_TRUE(config.contains("url = https://example.org/dav/"));
    EXPECT_FALSE(config.contains("pa55-word"));
    // The same name again is refused with a message, the form stays open.
    RemoteForm again(rclone, ui);
    again.findChild<QLineEdit*>("txtRemoteName")->setText("my site");
    again.findChild<QLineEdit*>("txtServer")->setText("x");
    again.accept();
    EXPECT_NE(again.result(), QDialog::Accepted);
    ASSERT_EQ(ui.questions().size(), 1u);
    EXPECT_EQ(ui.questions().back().message.text, "There is a remote named \"my site\" already.");

    PublishDialog dialog({"my site", "shows", ""}, {"my site"}, {});
    dialog.show();
    EXPECT_EQ(AccessibilityProblems(&dialog), QStringList());
    Publisher publisher(rclone, {dir.path(), "t.htm", "my site", "shows"});
    PublishProgressWindow window(publisher, ShowAddresses{"https://e.org/t/t.htm", ""});
    window.show();
    EXPECT_EQ(AccessibilityProblems(&window), QStringList());
    // Tab reaches every control of the form and the dialog.
    for (QWidget* w : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&dialog)})
        for (QWidget* control : w->findChildren<QWidget*>())
            if (control->inherits("QLineEdit") || control->inherits("QComboBox") ||
                control->inherits("QAbstractButton") || control->inherits("QSpinBox"))
                EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus)
                    << control->objectName().toStdString();
}

// File > Publish Show... stands after Make HTML File and is offered when it is.
TEST(PublishWindow, MenuEntryFollowsMakeHtmlFile) {
    ScriptedPrompter ui;
    MainWindow form{ui};
    ConnectPublishCommand(form);
    const QList<QAction*> actions = form.ui.mnuFile->actions();
    const qsizetype finish = actions.indexOf(form.ui.mnuFinish);
    ASSERT_GE(finish, 0);
    QAction* publish = actions.value(finish + 1);
    ASSERT_NE(publish, nullptr);
    EXPECT_EQ(publish->objectName(), "mnuPublish");
    EXPECT_EQ(publish->text(), "Publish Show...");
    EXPECT_FALSE(publish->isEnabled()); // no slides yet
    for (int i = 0; i < 3; ++i)
        form.project().AppendPicture(QStringLiteral("/pics/%1.jpg").arg(i));
    form.RefreshFinishAvailability();
    EXPECT_TRUE(form.ui.mnuFinish->isEnabled());
    EXPECT_TRUE(publish->isEnabled());
}
