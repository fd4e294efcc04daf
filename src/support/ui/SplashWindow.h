#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class SplashWindow;
}

// The first window of the tool (objectName frmSplash): name, version and
// platforms. Three seconds after it appears it shows the main window, and two
// seconds later it closes itself. Keys and clicks on it do nothing.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // showMainWindow shows the main window (modeless).
    explicit SplashWindow(std::function<void()> showMainWindow, QWidget* parent = nullptr);
    ~SplashWindow() override;

    // Shows the main window and starts the closing timer.
    void handOver();
    void closeSplash();

    QTimer Timer1; // enabled, 3000 ms: show the main window
    QTimer Timer2; // disabled, 2000 ms: close the splash

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<Ui::SplashWindow> ui;
    std::function<void()> showMainWindow;
};
