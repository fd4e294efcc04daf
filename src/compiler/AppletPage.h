#pragma once

#include <QDateTime>
#include <QString>

class SlideShowProject;

// The whole of "appletss.htm", head included.
QString AppletPage(const SlideShowProject& p, const QDateTime& createdOn);
