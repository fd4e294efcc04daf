#pragma once

#include "platform/Prompter.h"

#include <QStringList>
#include <optional>

// The one message a drop of files ends with when not all of them were added:
// the pictures that cannot be shown (`refused`), the files that are no
// pictures (`notPictures`) and how many pictures were past the show's limit
// (`leftOut`). Every file is named, in a list that scrolls. Nullopt when
// there is nothing to say.
std::optional<MessageBoxRequest> DroppedFilesMessage(const QStringList& refused,
                                                     const QStringList& notPictures, int leftOut);
