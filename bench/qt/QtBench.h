// What the window-layer benchmarks share: a pane put at the middle of its text and shown, a bare
// QsciScintilla holding a Windows-1251 page, and (in QtBenchMain.cpp) a main() that runs the
// benchmarks on Qt's offscreen platform.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QCoreApplication>
#include <QString>
#include <string>

#include "common/WinText.h"

namespace lumbrix::bench {

// Sizes and shows the pane's window, puts the caret at the middle of the text and lets the
// first paint happen, so that the keys timed afterwards land there.
inline void ShowAtMiddle(QsciScintilla* w) {
  w->resize(800, 600);
  w->window()->show();
  w->SendScintilla(
      QsciScintillaBase::SCI_GOTOPOS,
      static_cast<unsigned long>(w->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) / 2));
  QCoreApplication::processEvents();
}

// A default QsciScintilla holding `page`: what typing costs without the program's own work.
inline void LoadBare(QsciScintilla& w, const std::string& page) {
  w.setUtf8(true);
  w.setText(QString::fromUtf8(WinToUtf8(page)));
}

}  // namespace lumbrix::bench
