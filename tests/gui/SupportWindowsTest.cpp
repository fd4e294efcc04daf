#include "GuiTestSupport.h"
#include "support/ui/frmSendEmail.h"
#include "support/ui/frmSplash.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

TEST(frmSplash, TimersShowTheMainWindowThenCloseTheSplash) {
    int shown = 0;
    frmSplash splash([&shown] { ++shown; });
    splash.show();
    EXPECT_TRUE(splash.Timer1.isActive());
    QTest::keyClick(&splash, Qt::Key_Escape); // keys and clicks do nothing
    QTest::mouseClick(&splash, Qt::LeftButton);

    splash.Timer1_Timer();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(splash.Timer2.isActive());
    EXPECT_TRUE(splash.isVisible());
    splash.Timer2_Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(shown, 1);
}

TEST(frmSendEmail, ShowingFillsTheFormAndSendOpensTheEncodedAddress) {
    frmSendEmail composer;
    QList<QUrl> opened;
    composer.openUrl = [&opened](const QUrl& url) { opened << url; };
    composer.show();
    EXPECT_TRUE(composer.txtSubject->text().startsWith("Pevrano Slide Show "));

    composer.txtSubject->setText("Q&A");
    composer.cboBody->setEditText("Hi");
    composer.cmdSendIt->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toString(QUrl::FullyEncoded),
              "mailto:support@pevrano.example?Subject=Q%26A&Body=Hi");

    composer.txtMainAddresses->clear();
    composer.cmdSendIt->click();
    EXPECT_EQ(opened.size(), 1); // no recipient, nothing opens
}
