#pragma once

#include "ScriptedPrompter.h"
#include "project/SlideShowProject.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A small compiled-show project and a fixed creation time for the page
// writer tests.
struct ShowPageFixture : ::testing::Test {
    ScriptedPrompter ui;
    SlideShowProject p;
    const QDateTime createdOn{QDate(2024, 3, 5), QTime(14, 7, 9)};

    ShowPageFixture() {
        p.GrowSlots();
        p.names.FirstPageName = QStringLiteral("myshow");
    }

    void addPictures(const QStringList& paths) {
        for (const QString& path : paths)
            p.AppendPicture(path);
    }

    // The page's lines; fails the test when a line does not end in CR LF.
    static std::vector<std::string> Lines(const QString& page) {
        EXPECT_TRUE(page.endsWith(QLatin1String("\r\n")));
        QStringList parts = page.split(QStringLiteral("\r\n"));
        parts.removeLast();
        std::vector<std::string> out;
        for (const QString& line : parts) {
            EXPECT_FALSE(line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
                << "bare line break in: " << line.toStdString();
            out.push_back(line.toStdString());
        }
        return out;
    }
};
