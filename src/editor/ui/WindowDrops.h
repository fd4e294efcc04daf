#pragma once

#include <QObject>
#include <QStringList>

class MainWindow;
class QMimeData;

// Files dragged from the file manager onto the main window: pictures and
// folders of pictures are added as "Add Picture(s)" adds them, one show file
// is opened, one song file becomes the show's song. Every drop has its
// keyboard way in the buttons and menus.
//
// A drop is taken when its event comes and handled once the event has
// returned, so the drag source does not wait on the pictures' checks and
// questions. What could not be added is said once for the whole drop.
class WindowDrops : public QObject {
    Q_OBJECT
public:
    explicit WindowDrops(MainWindow& form);

    // What a drop of these local files does.
    void Drop(const QStringList& paths);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    static QStringList LocalFiles(const QMimeData* data);
    // Handles the drops taken so far, in the order they came. A drop that
    // comes while one is handled (its checks let events through) waits for
    // it.
    void HandleWaiting();
    void AddDropped(const QStringList& paths);

    MainWindow& form;
    QList<QStringList> waiting;
    bool handling = false;
};
