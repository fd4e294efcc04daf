#pragma once

#include "compiler/PageText.h"

#include <QDateTime>
#include <QString>

class SlideShowProject;

// Pieces shared by the slide pages, the applet page and the thumbnail page.

// Which contact comment comes first after the "created on" comment.
enum class ContactOrder { AddressFirst, HomePageFirst };

// From "<HTML>" through "</STYLE>": title, meta elements, the creation and
// contact comments, and the style block. The caller closes the head.
void AppendHeadOpening(PageBuilder& page, const SlideShowProject& p, const QDateTime& createdOn,
                       ContactOrder order);

// The background song line: a looping BGSOUND element for the copied song,
// or an empty line when the show has none.
void AppendSongLine(PageBuilder& page, const SlideShowProject& p);
