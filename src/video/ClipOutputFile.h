#pragma once

#include <QString>
#include <optional>

// A result of ffmpeg's is written under a temporary name beside its final
// one and renamed when whole, so a cancel or a failure never leaves half a
// file under the final name. Removes the temporary file unless placed.
class ClipOutputFile {
public:
    // A new empty temporary file beside `finalPath`, or nullopt with `why`.
    static std::optional<ClipOutputFile> Beside(const QString& finalPath, QString* why);

    ClipOutputFile(ClipOutputFile&& other) noexcept;
    ClipOutputFile& operator=(ClipOutputFile&& other) noexcept;
    ClipOutputFile(const ClipOutputFile&) = delete;
    ClipOutputFile& operator=(const ClipOutputFile&) = delete;
    ~ClipOutputFile();

    const QString& temporaryPath() const { return temporary; }
    const QString& finalPath() const { return final; }

    // Renames the temporary file to the final name (replacing what is there),
    // when it holds something.
    bool place(QString* why);
    // Removes the temporary file now.
    void discard();

private:
    ClipOutputFile(QString temporary, QString final);

    QString temporary;
    QString final;
};
