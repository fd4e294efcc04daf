#pragma once

#include <QString>

// Where a show is published: an rclone remote, a path on it and the public
// address under which that path is served. Kept with the show; a password
// never is (it stays in rclone's own configuration).
struct PublishTarget {
    QString remote;  // the remote's name, without the colon
    QString path;    // folder on the remote that receives the show folder
    QString address; // e.g. https://example.org/shows/ (may be empty)

    bool isEmpty() const { return remote.isEmpty() && path.isEmpty() && address.isEmpty(); }
    friend bool operator==(const PublishTarget&, const PublishTarget&) = default;
};
