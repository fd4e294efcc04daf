#pragma once

#include "project/FileNameText.h"

#include <QDate>
#include <QString>

// Rules of the page and folder names asked for by the name prompt, which
// drops the characters FileNameText.h refuses.
// A name that is empty or only blanks, refused by the prompt: a folder " " or
// a page "   .htm" is no name a person can see.
bool IsBlankName(const QString& name);
// "Slide Show " + the date as "mmmm dd, yyyy" with the English month name.
QString ProposedPageName(const QDate& today);
// What the folder prompt proposes: the page name given earlier, or
// "Folder Name".
QString ProposedFolderName(const QString& firstPageName);

inline const QString kPageNamePlaceholder = QStringLiteral("Html File Name");
inline const QString kFolderNamePlaceholder = QStringLiteral("Folder Name");
