#pragma once

#include <QDateTime>
#include <QString>

class SlideShowProject;

// The common head of the four slide pages; `createdOn` goes into the
// "created on" comment.
QString PageHead(const SlideShowProject& p, const QDateTime& createdOn);
// From the body tag to the end of "slideshw.htm" (true, true) or
// "ssbnoc.htm" (true, false).
QString SlidePage(const SlideShowProject& p, bool buttons, bool captions);
QString KeyboardSlidePage(const SlideShowProject& p); // "ssnobnoc.htm"
QString NetscapePage(const SlideShowProject& p);      // "netscape.htm"
