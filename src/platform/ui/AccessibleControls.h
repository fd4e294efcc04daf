#pragma once

#include <QLabel>
#include <QString>

class QWidget;

// Describes to assistive technology the controls Qt cannot describe on its
// own: painted boxes that act as buttons, and labels that show a value
// after a caption elsewhere in the window.
namespace AccessibleControls {

// Makes `widget` a push button for the keyboard and for screen readers. It
// takes the focus with Tab as well as with a click, is named `name`, and its
// description adds what it shows (its "accessibleValueText" property, e.g.
// "#FF99CC"). The press action calls the widget's click() slot; the widget
// itself answers Space and Enter.
void MakeButton(QWidget* widget, const QString& name);

// Names a box that only shows something (a colour, a picture): screen
// readers read `name` and, in the description, what it shows.
void NameDisplay(QWidget* widget, const QString& name);

// True for Space, Enter and Return, the keys that press a focused button.
bool IsPressKey(int key);

} // namespace AccessibleControls

// A label showing a value whose caption stands elsewhere: screen readers
// read both, following the text ("Pictures Selected: 3"). A Designer file
// sets the caption through its "caption" property.
class ValueLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    explicit ValueLabel(QWidget* parent = nullptr);
    const QString& caption() const { return captionText; }
    void setCaption(const QString& caption) { captionText = caption; }

private:
    QString captionText;
};
