#pragma once
// Help viewer: one non-modal window (reused) showing our help pages, with Back, Forward and
// Index buttons, a title that follows the page shown, placed over the window that asked.
#include <QString>

class QWidget;

// fileAndTopic is "<folder>/Ayuda.chm::/cap31.htm": the help file is a folder of pages and
// the topic a page in it. A missing page shows a page saying the topic is not available.
// The buttons speak Basque for the Basque help file ("Laguntza.chm"), Spanish otherwise;
// Index opens the help file's first page ("indice.htm", or "sarrera.htm" in Basque).
// A hidden viewer is sized and centred over the asking window; a visible one stays where
// the user put it.
void ShowHelp(QWidget* owner, const QString& fileAndTopic);
// The last request given to ShowHelp (for tests).
QString LastHelpShown();
// The page file the last request resolved to (empty before any request).
QString LastHelpFile();
// The viewer window (a QTextBrowser), or nullptr before the first ShowHelp. Its buttons are
// named "HelpBack", "HelpForward" and "HelpIndex".
QWidget* HelpViewer();
