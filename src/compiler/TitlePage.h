#pragma once

#include <QString>

class Prompter;
class SlideShowProject;

// Asks for the opening page's one-line message until a non-empty one is
// given, stores it in settings.TitleMessage, and returns the page text
// (TitlePageText).
QString TitlePage(SlideShowProject& p, Prompter& ui);
// The page text from the message already in settings.TitleMessage.
QString TitlePageText(const SlideShowProject& p);
QString TitleWindowScripts(const SlideShowProject& p);
QString ViewLauncherTable(const SlideShowProject& p);
