#pragma once

#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "colortool/ColorChart.h"
#include "colortool/ColorToolHost.h"
#include "document/ShowDocument.h"
#include "project/SlideShowProject.h"

#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

// Stands for the main window: remembers its palette.
struct FakeColorHost : ColorToolHost {
    std::array<ColorValue, 14> palette{};

    void setPaletteColor(int i, ColorValue c) override { palette.at(std::size_t(i)) = c; }
    ColorValue paletteColor(int i) const override { return palette.at(std::size_t(i)); }
    void setCaptionBoxForeColor(ColorValue) override {}
    void setCaptionBoxBackColor(ColorValue) override {}
    void setCaptionBoxFont(const QString&, int) override {}
    void refreshSwatches() override {}
};

// A colour tool over a folder of its data files, with the clipboard caught.
struct ColorToolTest : ::testing::Test {
    QTemporaryDir dir;
    ShowDocument document;
    // The show as the main window edits it in place.
    SlideShowProject& project = document.workingShow();
    FakeColorHost host;
    ScriptedPrompter ui;
    ColorChart chart{document, host, ui, dir.path(), dir.path()};
    QString clipboard;

    ColorToolTest() {
        chart.putOnClipboard = [this](const QString& text) { clipboard = text; };
    }
    void write(const QString& name, const QByteArray& bytes) {
        WriteFile(dir.filePath(name), bytes);
    }
    QByteArray read(const QString& name) const { return ReadFile(dir.filePath(name)); }
};
