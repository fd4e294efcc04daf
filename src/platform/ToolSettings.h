#pragma once

#include <QString>
#include <memory>

class QSettings;

// The tool's settings (user scope, native format). Opening settings reads
// their files at once, so a file that is there but is not a regular file (a
// FIFO would block the start before any window shows) is never opened: the
// settings then start from the defaults, and what is written to them goes to
// a scratch file dropped when they close.
std::unique_ptr<QSettings> OpenToolSettings(const QString& organization,
                                            const QString& application);
