// Screen readers see the sorter's painted grid as a list with one item per
// thumbnail, named as the thumbnail's tooltip would not be: "Slide N: file".
#include "sorter/ui/ThumbnailCanvas.h"

#include <QAccessibleWidget>
#include <mutex>
#include <vector>

namespace {
class ThumbnailItem : public QAccessibleInterface {
public:
    ThumbnailItem(ThumbnailCanvas* canvas, int k) : canvas(canvas), k(k) {}

    bool isValid() const override { return canvas != nullptr && k < canvas->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(canvas);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return canvas->name(k);
        if (t == QAccessible::Description)
            return canvas->path(k);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = canvas->grid().cell(k);
        return {canvas->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.selected = canvas->highlighted() == k;
        s.focused = canvas->hasFocus() && canvas->current() == k;
        const QRect shown = canvas->visibleRegion().boundingRect();
        s.offscreen = !shown.intersects(canvas->grid().cell(k));
        return s;
    }

private:
    ThumbnailCanvas* canvas;
    int k;
};

class CanvasAccessible : public QAccessibleWidget {
public:
    explicit CanvasAccessible(ThumbnailCanvas* canvas)
        : QAccessibleWidget(canvas, QAccessible::List) {}
    ~CanvasAccessible() override {
        for (QAccessible::Id id : ids)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return canvas()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (ids.size() <= static_cast<std::size_t>(index))
            ids.resize(static_cast<std::size_t>(index) + 1, 0);
        if (ids[index] == 0)
            ids[index] =
                QAccessible::registerAccessibleInterface(new ThumbnailItem(canvas(), index));
        return QAccessible::accessibleInterface(ids[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (ids[i] != 0 && QAccessible::accessibleInterface(ids[i]) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto k = canvas()->at(canvas()->mapFromGlobal(QPoint(x, y)));
        return k ? child(*k) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return canvas()->hasFocus() ? child(canvas()->current()) : nullptr;
    }

private:
    ThumbnailCanvas* canvas() const { return static_cast<ThumbnailCanvas*>(widget()); }
    // Items are made when a screen reader first asks for them.
    mutable std::vector<QAccessible::Id> ids;
};

QAccessibleInterface* CanvasFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ThumbnailCanvas") && object && object->isWidgetType())
        return new CanvasAccessible(static_cast<ThumbnailCanvas*>(object));
    return nullptr;
}
} // namespace

void InstallThumbnailAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&CanvasFactory); });
}
