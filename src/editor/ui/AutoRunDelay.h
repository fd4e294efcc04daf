#pragma once

#include <QObject>

class MainWindow;
class QLineEdit;

// Lets only the digit keys into a numeric entry box: every key that types any
// other character is discarded, Backspace included, as the tool's numeric
// boxes do. Keys that type nothing (arrows, Delete) pass.
class DigitKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The auto-run delay: the box txtPicTimeSec, the scroll bar VScrollSec
// (3..59 seconds) and the label lblAutoRun that unlocks them.
class AutoRunDelay : public QObject {
    Q_OBJECT
public:
    explicit AutoRunDelay(MainWindow& form);

    void takeTypedDelay();
    // A delay set in the box while it does not have the focus (a screen
    // reader setting its value) is stored at once; typed, it is stored when
    // the box loses the focus.
    void DelayTextChanged();
    void takeScrolledDelay(int value);
    void autoRunLabelClicked();
    // The box and scroll bar show NumSecDelay.
    void ShowDelay();
    void SetDelayControlsEnabled(bool enabled);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    MainWindow& form;
    DigitKeyFilter digitsOnly;
    // True while the window fills the box itself.
    bool filling = false;
};
