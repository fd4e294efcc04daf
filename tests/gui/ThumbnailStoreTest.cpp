// The sorter's thumbnail store: large thumbnails kept packed, shown as they
// were decoded; small ones kept as they are.
#include "sorter/ui/ThumbnailStore.h"
#include "TestPictures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
bool LoadAll(ThumbnailStore& store, QSize size) {
    store.request(size, {0, store.count()});
    QElapsedTimer clock;
    clock.start();
    while (store.loading() && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !store.loading();
}
} // namespace

TEST(ThumbnailStore, LargeThumbnailsArePackedAndShownAlike) {
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 12; ++i) {
        paths << dir.filePath(QStringLiteral("q%1.png").arg(i));
        ASSERT_TRUE(SavePicture(Quarters({800, 600}), paths.back()));
    }
    ThumbnailStore store(paths);
    const struct {
        QSize size;
        bool packed;
    } sizes[] = {{QSize(51, 41), false}, {QSize(331, 321), true}};
    for (const auto& c : sizes) {
        ASSERT_TRUE(LoadAll(store, c.size));
        const qint64 raw = qint64(c.size.width()) * c.size.height() * 3 * paths.size();
        // Packed, the kept thumbnails take well under their pixels' bytes;
        // small ones take just those.
        if (c.packed)
            EXPECT_LT(store.keptBytes(), raw / 2) << c.size.width();
        else
            EXPECT_LE(store.keptBytes(), raw + 4 * c.size.height() * paths.size());
        for (int k = 0; k < store.count(); ++k) {
            const QImage shown = store.image(k);
            ASSERT_EQ(shown.size(), c.size) << k;
            const QColor red = shown.pixelColor(c.size.width() / 4, c.size.height() / 4);
            const QColor yellow = shown.pixelColor(c.size.width() * 3 / 4, c.size.height() * 3 / 4);
            EXPECT_GT(red.red(), 230) << k;
            EXPECT_LT(red.green() + red.blue(), 40) << k;
            EXPECT_GT(yellow.red() + yellow.green(), 460) << k;
        }
    }
    // A swap moves a packed thumbnail without decoding or changing it.
    const QImage first = store.image(0);
    store.swap(0, 5);
    EXPECT_EQ(store.image(5), first);
}
