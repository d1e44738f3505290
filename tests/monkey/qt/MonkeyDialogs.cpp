// The monkey's answers to what its actions open: menus and lists that pop up, modal dialogs,
// and the modeless find dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <Qsci/qsciscintilla.h>
#include "common/qt/CodePane.h"
#include <cstdio>

#include "app/qt/FrameWindow.h"
#include "document/qt/EditFormView.h"
#include "monkey/qt/ActionLog.h"
#include "monkey/qt/KeyTables.h"
#include "monkey/qt/Monkey.h"
#include "monkey/qt/TextChecks.h"
#include "search/qt/FindFormView.h"

namespace lumbrix::monkey {

namespace {

// Qt's own dialogs are answered, never explored: the colour dialog's screen picker, for one,
// would take the mouse and keyboard.
bool qtOwnDialog(const QWidget* w) {
  return qobject_cast<const QColorDialog*>(w) || qobject_cast<const QFontDialog*>(w) ||
         qobject_cast<const QFileDialog*>(w) || qobject_cast<const QMessageBox*>(w);
}

// Controls a user can click in a dialog.
QList<QWidget*> controls(QWidget* dialog) {
  QList<QWidget*> all;
  for (QWidget* w : dialog->findChildren<QWidget*>())
    if (w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) all << w;
  return all;
}

QList<QAbstractButton*> pushButtons(QWidget* dialog) {
  QList<QAbstractButton*> all;
  for (QPushButton* b : dialog->findChildren<QPushButton*>())
    if (b->isVisible() && b->isEnabled()) all << b;
  return all;
}

QWidget* focusIn(QWidget* window) {
  QWidget* focus = QApplication::focusWidget();
  return focus && (focus == window || window->isAncestorOf(focus)) ? focus : window;
}

}  // namespace

void Monkey::actInPopup(QWidget* popup, const Draw& d, bool stopping) {
  const int steps = popup->property("monkeySteps").toInt();
  popup->setProperty("monkeySteps", steps + 1);
  QWidget* target = focusIn(popup);
  if (steps > 12) {
    note("popup", "closed: " + Describe(popup));
    popup->close();
    return;
  }
  static const QKeyCombination kMove[] = {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                          Qt::Key_Up,   Qt::Key_Right, Qt::Key_Left};
  QKeyCombination key = Qt::Key_Escape;
  if (!stopping) {
    if (static_cast<int>(d[1] % 5) > steps)
      key = kMove[d[2] % std::size(kMove)];
    else
      key = d[2] % 3 ? Qt::Key_Return : Qt::Key_Escape;
  }
  pressKey(target, key, "popup key");
}

void Monkey::actInDialog(QWidget* dialog, const Draw& d, bool stopping) {
  const int steps = dialog->property("monkeySteps").toInt();
  dialog->setProperty("monkeySteps", steps + 1);
  if (!dialog->property("monkeyBudget").isValid())
    dialog->setProperty("monkeyBudget", qtOwnDialog(dialog) ? 0 : static_cast<int>(d[5] % 12));
  const int budget = dialog->property("monkeyBudget").toInt();
  if (steps >= budget + 20) {
    // A dialog that keeps itself open against Esc and its buttons: put away by force.
    note("dialog", "forced shut: " + Describe(dialog));
    if (auto* box = qobject_cast<QDialog*>(dialog))
      steps >= budget + 25 ? box->done(QDialog::Rejected) : box->reject();
    else
      dialog->close();
    return;
  }
  if (stopping || steps >= budget) {
    closeDialog(dialog, d[1]);
    return;
  }
  switch (d[1] % 10) {
    case 0:
    case 1:
    case 2:
      typeText(focusIn(dialog), d[2], d[3]);
      break;
    case 3: {
      static const QKeyCombination kKeys[] = {
          Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Down, Qt::Key_Up, Qt::Key_Backspace,
          Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
      pressKey(focusIn(dialog), kKeys[d[2] % std::size(kKeys)], "dialog key");
      break;
    }
    case 4:
    case 5:
    case 6:
    case 7: {
      const QList<QWidget*> all = controls(dialog);
      if (all.isEmpty()) break;
      QWidget* w = all[static_cast<qsizetype>(d[2] % all.size())];
      click(w, d[3], d[4], d[2] >> 32);
      break;
    }
    default:
      click(dialog, d[2], d[3], 0);
      break;
  }
}

void Monkey::closeDialog(QWidget* dialog, std::uint64_t r) {
  auto* box = qobject_cast<QDialog*>(dialog);
  if (auto* message = qobject_cast<QMessageBox*>(dialog)) {
    const QList<QAbstractButton*> buttons = message->buttons();
    if (!buttons.isEmpty()) {
      QAbstractButton* b = buttons[static_cast<qsizetype>(r % buttons.size())];
      note("dialog button", b->text().toStdString() + " of " + Describe(dialog));
      b->click();
      return;
    }
  }
  if (qtOwnDialog(dialog) && box) {
    note("dialog", std::string(r % 2 ? "accepted: " : "rejected: ") + Describe(dialog));
    r % 2 ? box->accept() : box->reject();
    return;
  }
  switch (r % 10) {
    case 0: case 1: case 2: case 3: case 4:
      pressKey(focusIn(dialog), Qt::Key_Escape, "dialog key");
      break;
    case 5: case 6: case 7: {
      const QList<QAbstractButton*> buttons = pushButtons(dialog);
      if (!buttons.isEmpty()) {
        QAbstractButton* b = buttons[static_cast<qsizetype>((r / 10) % buttons.size())];
        note("dialog button", "\"" + b->text().toStdString() + "\" of " + Describe(dialog));
        b->click();
        break;
      }
      [[fallthrough]];
    }
    default:
      note("dialog", "rejected: " + Describe(dialog));
      if (box)
        box->reject();
      else
        dialog->close();
      break;
  }
}

void Monkey::findDialog(const Draw& d) {
  FindFormView* find = frame_.findView();
  if (!find || !find->isVisible()) {
    triggerFrameCommand(d[1] % 2 ? QStringLiteral("Find") : QStringLiteral("Replace"));
    return;
  }
  switch (d[1] % 9) {
    case 0:
    case 1:
      typeText(find->what(), d[2], d[3]);
      break;
    case 2:
      if (find->replaceWith()->isVisible()) typeText(find->replaceWith(), d[2], d[3]);
      break;
    case 3:
    case 4:
      note("find", "\"" + find->findButton()->text().toStdString() + "\"");
      find->findButton()->click();
      break;
    case 5:
      note("find", "\"" + find->findBelowButton()->text().toStdString() + "\"");
      find->findBelowButton()->click();
      break;
    case 6: {
      QCheckBox* boxes[] = {find->matchCase(), find->wholeWordsOnly(), find->tagsOnly(),
                            find->exceptScripts()};
      QCheckBox* b = boxes[d[2] % 4];
      note("find", "toggle " + b->objectName().toStdString());
      b->click();
      break;
    }
    case 7:
      if (find->where()->count() > 0) {
        const int index = static_cast<int>(d[2] % find->where()->count());
        note("find", "where " + std::to_string(index));
        find->where()->setCurrentIndex(index);
      }
      break;
    default:
      if (d[2] % 2) {
        pressKey(find, Qt::Key_Escape, "find key");
      } else {
        note("find", "hidden");
        find->HideDialog();
      }
      break;
  }
}

void Monkey::checkDocuments() {
  for (TEditForm* form : frame_.Documents()) {
    EditFormView* view = frame_.viewOf(*form);
    if (!view) continue;
    const std::string problem = TextProblem(*view);
    if (!problem.empty() && failure_.empty()) {
      failure_ = "\"" + view->windowTitle().toStdString() + "\": " + problem;
      log_.Print(failure_.c_str());
      const std::string caption = view->windowTitle().toStdString();
      QsciScintilla* edit = view->codePane().widget();
      std::fprintf(stderr, "\"%s\" now: caret byte %ld, anchor byte %ld, text:\n%s\n", caption.c_str(),
                   edit->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS),
                   edit->SendScintilla(QsciScintilla::SCI_GETANCHOR),
                   Escaped(view->codePane().Text()).c_str());
      if (before_.count(caption))
        std::fprintf(stderr, "\"%s\" before the last step: %s\n", caption.c_str(),
                     before_[caption].c_str());
    }
  }
}

}  // namespace lumbrix::monkey
