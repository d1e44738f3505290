// What the monkey types and presses, and how a key reaches a widget as this platform's keyboard
// would send it.
#pragma once

#include <QKeyCombination>
#include <QString>
#include <vector>

class QWidget;

namespace lumbrix::monkey {

// Latin and Cyrillic letters, digits, the characters of markup, typographic signs the code page
// has, and a few letters it lacks.
const QString& TypedCharacters();
// Editing and moving keys: Enter, Tab, Backspace, Delete, arrows, Home/End, pages, Esc, F1 ...
const std::vector<QKeyCombination>& EditingKeys();

// Press and release, the release only when the press left the widget alive.
void SendCharacter(QWidget* target, QChar ch);
void SendKey(QWidget* target, QKeyCombination key);

}  // namespace lumbrix::monkey
