#pragma once

#include <QByteArray>
#include <QString>

class SlideShowProject;

// The player page of a compiled show: index.html in the show folder, its
// script (the show's data followed by the player's code) and its style in
// pix. Written only when the show's Player setting is on.
struct PlayerFiles {
    QByteArray page;   // index.html
    QByteArray script; // pix/player.js
    QByteArray style;  // pix/player.css
};

// Builds the three files. The picture sizes are the upright sizes of the
// copies the compile wrote (p.names.pix); a size not written is left out,
// and the player then shows the full picture alone. `pixFolder` is where
// they are.
PlayerFiles PlayerPage(const SlideShowProject& p, const QString& pixFolder);

// Whether the player plays the show's song (its name in pix, by content):
// browsers play MP3 and WAV but not
// MIDI, which the player leaves out.
bool PlayerPlaysSong(const QString& songPath);

// A JavaScript string literal holding exactly `text`, in ASCII: quotes,
// backslashes, control and line-ending characters (U+2028, U+2029) and
// everything outside ASCII as escapes, and "<", ">" and "&" too, so the
// literal cannot close a script element or start a comment in any context.
QString ScriptLiteral(const QString& text);
