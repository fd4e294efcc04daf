#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;

// The first window of the tool: name, version and platforms. Three seconds
// after it appears it shows the main window, and two seconds later it closes
// itself. Keys and clicks on it do nothing.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    // showMainWindow shows the main window (modeless).
    explicit frmSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    void Timer1_Timer();
    void Timer2_Timer();

    QTimer Timer1; // enabled, 3000 ms: show the main window
    QTimer Timer2; // disabled, 2000 ms: close the splash
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblCopyright = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<void()> showMainWindow;
};
