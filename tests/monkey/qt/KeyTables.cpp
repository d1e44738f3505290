#include "monkey/qt/KeyTables.h"

#include <QPointer>
#include <QTest>

namespace lumbrix::monkey {

const QString& TypedCharacters() {
  static const QString chars = QStringLiteral(
      "abcdefghijklmnopqrstuvwxyzABCDEFXYZ0123456789  <<>>//==\"\"''&;:.,!?-#()[]{}*+\\|"
      "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
      "№—–«»©®™°±§€іїєґЇ"
      "λΩ中ẞ");
  return chars;
}

const std::vector<QKeyCombination>& EditingKeys() {
  using K = QKeyCombination;
  static const std::vector<QKeyCombination> keys = {
      K(Qt::Key_Return),       K(Qt::Key_Return),       K(Qt::Key_Return),
      K(Qt::Key_Tab),          K(Qt::Key_Tab),          K(Qt::ShiftModifier, Qt::Key_Backtab),
      K(Qt::Key_Backspace),    K(Qt::Key_Backspace),    K(Qt::Key_Backspace),
      K(Qt::Key_Delete),       K(Qt::Key_Delete),       K(Qt::Key_Space),
      K(Qt::Key_Left),         K(Qt::Key_Right),        K(Qt::Key_Up),
      K(Qt::Key_Down),         K(Qt::Key_Home),         K(Qt::Key_End),
      K(Qt::Key_PageUp),       K(Qt::Key_PageDown),     K(Qt::ControlModifier, Qt::Key_Home),
      K(Qt::ControlModifier, Qt::Key_End),             K(Qt::ShiftModifier, Qt::Key_Left),
      K(Qt::ShiftModifier, Qt::Key_Right),             K(Qt::ShiftModifier, Qt::Key_Down),
      K(Qt::ShiftModifier, Qt::Key_Up),                K(Qt::ShiftModifier, Qt::Key_End),
      K(Qt::ShiftModifier, Qt::Key_Home),              K(Qt::ControlModifier, Qt::Key_Left),
      K(Qt::ControlModifier, Qt::Key_Right),           K(Qt::ControlModifier, Qt::Key_Backspace),
      K(Qt::ControlModifier, Qt::Key_Delete),          K(Qt::Key_Insert),
      K(Qt::Key_Escape),       K(Qt::Key_F1),
  };
  return keys;
}

void SendCharacter(QWidget* target, QChar ch) {
  QPointer<QWidget> guard(target);
  // Latin letters and digits come with their key codes; anything else as the text alone, the way
  // a keyboard layout's letter without a key code of its own arrives.
  Qt::Key key = Qt::Key_unknown;
  const char16_t u = ch.unicode();
  if (u >= 'a' && u <= 'z') key = Qt::Key(Qt::Key_A + (u - 'a'));
  if (u >= 'A' && u <= 'Z') key = Qt::Key(Qt::Key_A + (u - 'A'));
  if (u >= '0' && u <= '9') key = Qt::Key(Qt::Key_0 + (u - '0'));
  if (u == ' ') key = Qt::Key_Space;
  const Qt::KeyboardModifiers mods =
      u >= 'A' && u <= 'Z' ? Qt::ShiftModifier : Qt::KeyboardModifiers(Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Press, target, key, QString(ch), mods);
  if (guard) QTest::sendKeyEvent(QTest::Release, target, key, QString(ch), mods);
}

void SendKey(QWidget* target, QKeyCombination combination) {
  QPointer<QWidget> guard(target);
  const Qt::Key key = combination.key();
  const Qt::KeyboardModifiers mods = combination.keyboardModifiers();
  QString text;
  if ((mods & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
    // With Ctrl, a letter comes as its control character.
    text = QChar(char16_t(key - Qt::Key_A + 1));
  } else if (!(mods & (Qt::ControlModifier | Qt::AltModifier))) {
    if (const char ascii = QTest::keyToAscii(key)) text = QChar::fromLatin1(ascii);
  }
  QTest::sendKeyEvent(QTest::Press, target, key, text, mods);
  if (guard) QTest::sendKeyEvent(QTest::Release, target, key, text, mods);
}

}  // namespace lumbrix::monkey
