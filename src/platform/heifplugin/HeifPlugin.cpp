#include "HeifHandler.h"

#include <QImageIOPlugin>

// The image-format plugin that lets every QImageReader of the program read
// HEIC and HEIF pictures. It sits in the program's own plugin folder.
class HeifPlugin final : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "heif.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override {
        if (format == "heic" || format == "heif")
            return CanRead;
        if (!format.isEmpty() || !device || !device->isOpen() || !device->isReadable())
            return {};
        return HeifHandler::canRead(device) ? Capabilities(CanRead) : Capabilities();
    }

    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override {
        // The reader that asked owns the handler.
        auto* handler = new HeifHandler;
        handler->setDevice(device);
        handler->setFormat(format);
        return handler;
    }
};

#include "HeifPlugin.moc"
