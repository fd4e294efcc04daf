#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;
struct ShowSettings;

// Ties the controls of a window to the rows of the show's settings tables
// (ShowValues.h, CompileChoices.h) that name them by their object name: each
// control shows its row's value and stores what the user sets in it at once.
// How a control holds the value follows its kind:
// - a check box is a switch (a number is 1 when on, 0 when off);
// - option buttons sharing one name form an array: a number is the index of
//   the checked one, a switch is on with the first;
// - a spin box or a scroll bar holds a number; a spin box takes the row's
//   limits, a scroll bar keeps its own;
// - a text box holds a number, taken when it is left (or Enter is pressed)
//   and kept within the row's limits; left empty it keeps the value;
// - a picture view shows the picture a path names (the window picks it).
class TiedSettings : public QObject {
    Q_OBJECT
public:
    TiedSettings(QWidget& window, ShowSettings& settings);
    ~TiedSettings() override;

    // Every tied control shows its row's value; showing is no edit.
    void show();
    // Stores what `control` shows now (a control set by the window itself).
    void take(const QWidget* control);
    // Stores what every text box holds, for a window closed while one still
    // has the focus.
    void takeTyped();
    // Whether `control` is tied to a row.
    bool isTied(const QWidget* control) const;

private:
    struct Tie {
        std::vector<QWidget*> controls; // one, or an array by index
        std::function<void()> show;
        std::function<void()> take;
    };
    std::vector<Tie> ties;
};
