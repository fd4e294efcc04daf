#pragma once

#include "GuiTestSupport.h"
#include "ScriptedPrompter.h"
#include "core/TestFiles.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/SlideEditing.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

// Qt writes no GIF, so GIF pictures are this 2 x 2 one, written out as bytes.
inline QString MakeGif(const QString& folder, const QString& name) {
    static const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02,
                                         0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
                                         0xFF, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02,
                                         0x00, 0x00, 0x02, 0x03, 0x44, 0x1E, 0x05, 0x00, 0x3B};
    const QString path = QDir(folder).filePath(name);
    WriteFile(path, QByteArray(reinterpret_cast<const char*>(kGif), sizeof kGif));
    return path;
}

// Writes a small picture of one colour; the format follows the extension.
inline QString MakePicture(const QString& folder, const QString& name, QColor color = Qt::red,
                           QSize size = {64, 48}, const char* format = nullptr) {
    if (name.endsWith(QLatin1String(".gif")))
        return MakeGif(folder, name);
    QDir().mkpath(folder);
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = QDir(folder).filePath(name);
    EXPECT_TRUE(image.save(path, format)) << path.toStdString();
    return path;
}

// A JPEG whose header claims width x height while its data is a tiny
// picture: decoding it at the claimed size would take gigabytes.
inline QString MakeJpegBomb(const QString& folder, const QString& name, quint16 width,
                            quint16 height) {
    const QString path = MakePicture(folder, name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    bytes[sof + 5] = char(height >> 8);
    bytes[sof + 6] = char(height & 0xFF);
    bytes[sof + 7] = char(width >> 8);
    bytes[sof + 8] = char(width & 0xFF);
    file.seek(0);
    file.write(bytes);
    return path;
}

// A file with a picture's name that holds no picture.
inline QString MakeBrokenPicture(const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    WriteFile(path, "this is no picture at all, just some text in a file");
    return path;
}

// The real main window, shown offscreen, with scripted dialogs and a folder
// of test pictures.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<MainWindow>(ui);
        form->show();
        RunEventsFor(20);
    }
    // The shows saved here stay off the recent list other tests read.
    void TearDown() override {
        QSettings(QStringLiteral("Pevrano"), QStringLiteral("Settings"))
            .remove(QStringLiteral("RecentShows"));
    }

    SlideShowProject& project() { return form->project(); }
    QString folder() const { return dir.path(); }
    // n pictures named p1.jpg .. pn.jpg in their own sub-folder.
    QStringList MakePictures(int n, const QString& sub = QStringLiteral("pics")) {
        QStringList paths;
        for (int i = 1; i <= n; ++i)
            paths << MakePicture(dir.filePath(sub), QStringLiteral("p%1.jpg").arg(i),
                                 QColor::fromHsv((i * 37) % 360, 200, 200));
        return paths;
    }
    // Saves the show as the file, answering Save As's dialog with it.
    [[nodiscard]] bool SaveAs(const QString& path) {
        ui.queueFiles({path});
        return form->showFiles().SaveShowAs();
    }
    // Adds the pictures through the Add command in one selection.
    void AddThroughDialog(const QStringList& paths) {
        ui.queueFiles(paths);
        form->editing().addPictures();
    }
    // Drops the files onto the window as a file manager does. The window
    // takes them at once and handles them once the event has returned.
    void DropFiles(const QStringList& paths, QWidget* target = nullptr) {
        QWidget* on = target ? target : form.get();
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint at = on->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &drop);
        EXPECT_TRUE(drop.isAccepted());
    }
    // Drops the files and lets the window handle them.
    void DropAndHandle(const QStringList& paths, QWidget* target = nullptr) {
        DropFiles(paths, target);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    ScriptedPrompter ui;
    std::unique_ptr<MainWindow> form;
};
