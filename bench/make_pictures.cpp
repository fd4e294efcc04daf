// Writes numbered JPEG test pictures of about a chosen size: a colour wash,
// grain that keeps the file from compressing away, and one mark per slide
// number so neighbouring pictures differ. Used by bench/compile_vs_cp.py and
// examples/make-pictures.sh.
//
//   make_pictures FOLDER COUNT KILOBYTES WIDTH HEIGHT
//
// Writes FOLDER/picture0001.jpg and so on.
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>
#include <cstdio>

namespace {
QImage Picture(int number, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const QColor base = QColor::fromHsv((number * 47) % 360, 150, 220);
    QRandomGenerator grain(static_cast<quint32>(number));
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int shade = 60 * y / height;
        for (int x = 0; x < width; ++x) {
            const int n = static_cast<int>(grain.bounded(48)) - 24;
            line[x] = qRgb(qBound(0, base.red() - shade + n, 255),
                           qBound(0, base.green() - shade + n, 255),
                           qBound(0, base.blue() - shade + n, 255));
        }
    }
    // The slide number as marks: hundreds, tens and ones in three rows.
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    const int mark = std::max(6, width / 24);
    const int digits[] = {number / 100 % 10, number / 10 % 10, number % 10};
    for (int row = 0; row < 3; ++row) {
        painter.setBrush(row == 2 ? Qt::white : Qt::black);
        for (int i = 0; i < digits[row]; ++i)
            painter.drawRect(mark + i * mark * 2, mark + row * mark * 2, mark, mark);
    }
    return image;
}

QByteArray Jpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

// The quality that brings the first picture nearest the wanted size.
int QualityFor(const QImage& sample, qint64 bytesWanted) {
    int low = 5, high = 100;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (Jpeg(sample, mid).size() <= bytesWanted)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}
} // namespace

int main(int argc, char* argv[]) {
    QTextStream err(stderr);
    if (argc != 6) {
        err << "usage: make_pictures FOLDER COUNT KILOBYTES WIDTH HEIGHT\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int count = atoi(argv[2]);
    const qint64 bytes = atoll(argv[3]) * 1024;
    const int width = atoi(argv[4]);
    const int height = atoi(argv[5]);
    if (count < 1 || bytes < 1 || width < 16 || height < 16 || !QDir().mkpath(folder)) {
        err << "make_pictures: bad arguments\n";
        return 2;
    }
    const int quality = QualityFor(Picture(1, width, height), bytes);
    for (int k = 1; k <= count; ++k) {
        const QString path =
            QStringLiteral("%1/picture%2.jpg").arg(folder).arg(k, 4, 10, QLatin1Char('0'));
        if (!Picture(k, width, height).save(path, "JPG", quality)) {
            err << "make_pictures: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
