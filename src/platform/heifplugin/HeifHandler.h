#pragma once

#include <QByteArray>
#include <QImageIOHandler>
#include <QSize>
#include <memory>

struct heif_context;
struct heif_image_handle;

// Reads the primary picture of a HEIC or HEIF file through libheif. The
// picture comes upright (the file's rotation and mirroring applied), with its
// colour profile; the whole file is read once, on the first question asked.
// A scaled size asked for is made with a smooth (area-averaging) scale.
class HeifHandler : public QImageIOHandler {
public:
    HeifHandler();
    ~HeifHandler() override;

    bool canRead() const override;
    bool read(QImage* image) override;
    QVariant option(ImageOption option) const override;
    void setOption(ImageOption option, const QVariant& value) override;
    bool supportsOption(ImageOption option) const override;

    // Whether the device's next bytes start a HEIF file of a HEIC or HEIF
    // brand (AVIF files are HEIF too, but not ours to claim).
    static bool canRead(QIODevice* device);

private:
    // Reads and parses the file; false when it is not a HEIF file we can use.
    bool parse();

    struct ContextDeleter {
        void operator()(heif_context* context) const;
    };
    struct HandleDeleter {
        void operator()(heif_image_handle* handle) const;
    };

    enum class State { Unread, Parsed, Failed, Done };
    State state = State::Unread;
    QByteArray data; // the file: libheif reads it in place
    std::unique_ptr<heif_context, ContextDeleter> context;
    std::unique_ptr<heif_image_handle, HandleDeleter> primary;
    QSize size;
    QSize scaledSize; // asked for by the reader; the picture is scaled to it
};
