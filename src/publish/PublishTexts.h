#pragma once

#include "publish/Publisher.h"

#include <QString>
#include <optional>

// "12 of 40 files, 3.2 MB of 10.0 MB, 1.5 MB/s, 5 s left"
QString ProgressText(const PublishProgress& p);
// "3.2 MB"
QString SizeText(qint64 bytes);

// The public addresses of a published show.
struct ShowAddresses {
    QString openingPage;
    QString player; // empty when the show has no player page
};

// Under `address` (where the remote path is served), the show folder
// `folderName`. nullopt when the address is empty or not an http(s) address.
std::optional<ShowAddresses> AddressesOf(const QString& address, const QString& folderName,
                                         const QString& openingPage, bool hasPlayer);
