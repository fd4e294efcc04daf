#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

// Shows one picture file, decoded at the size it is shown. Fit::Contain keeps
// the whole picture inside the box (the slide picture); Fit::Cover fills the
// box and crops the overflow (background pictures and small swatches). When
// the box grows past the decoded size, the picture is decoded again shortly
// after the resize settles.
class PictureView : public QWidget {
    Q_OBJECT
    // The shown file's name, for screen readers.
    Q_PROPERTY(QString accessibleValueText READ shownFileName)
public:
    enum class Fit { Contain, Cover };

    explicit PictureView(Fit fit, QWidget* parent = nullptr);

    // Decodes and shows the picture. On failure nothing shown changes and the
    // result is false.
    bool load(const QString& path);
    // Shows a picture decoded elsewhere (a prefetch) for path.
    void showDecoded(const QString& path, const QImage& image);
    void clear();

    const QString& path() const { return shownPath; }
    const QImage& image() const { return picture; }
    // The device pixels a picture is decoded to fit into.
    QSize decodeBox() const;
    // Blank space kept around a contained picture.
    void setMargin(int pixels) { margin = pixels; }
    // Draws a sunken border, as the colour swatches have, for small views.
    void setFramed(bool on) { framed = on; }
    // Takes mouse clicks only where the picture is drawn; elsewhere they
    // reach the widget below.
    void setClickableOnPictureOnly(bool on);
    QString shownFileName() const;

public slots:
    // What a mouse click does; the keyboard and screen readers press it too.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect targetRect() const;
    void redecodeIfTooSmall();
    void updateClickArea();

    Fit fit;
    int margin = 0;
    bool framed = false;
    bool clickableOnPictureOnly = false;
    QString shownPath;
    QImage picture;
    QTimer redecodeTimer;
};
