#pragma once
// Help viewer: one non-modal window (reused) showing our help pages.
#include <QString>

class QWidget;

// fileAndTopic is "<folder>/Ayuda.chm::/cap31.htm": the help file is a folder of pages and
// the topic a page in it. A missing page shows a page saying the topic is not available.
void ShowHelp(QWidget* owner, const QString& fileAndTopic);
// The last request given to ShowHelp (for tests).
QString LastHelpShown();
// The page file the last request resolved to (empty before any request).
QString LastHelpFile();
// The viewer window, or nullptr before the first ShowHelp.
QWidget* HelpViewer();
