#pragma once

#include <QObject>
#include <QStringList>

class Form1;
class QMimeData;

// Files dragged from the file manager onto the main window: pictures and
// folders of pictures are added as "Add Picture(s)" adds them, one show file
// is opened, one song file becomes the show's song. Every drop has its
// keyboard way in the buttons and menus.
class WindowDrops : public QObject {
    Q_OBJECT
public:
    explicit WindowDrops(Form1& form);

    // What a drop of these local files does.
    void Drop(const QStringList& paths);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    static QStringList LocalFiles(const QMimeData* data);

    Form1& form;
};
