#include "common/qt/RefusedInput.h"

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QWidget>

#include "common/CodePage.h"

namespace lumbrix {

QString RefusedInputNote(int count) {
  return count == 1 ? QStringLiteral("Символ отсутствует в кодировке Windows-1251 и не вставлен")
                    : QStringLiteral("Символы отсутствуют в кодировке Windows-1251 и не вставлены");
}

// A status tip travels up from the pane to the main window, which shows it in its status bar.
void ReportRefusedInput(QWidget* pane, int count) {
  if (count <= 0 || !pane) return;
  QStatusTipEvent note(RefusedInputNote(count));
  QCoreApplication::sendEvent(pane, &note);
}

QString FitInput(const QString& text, bool references, int& refused) {
  const QByteArray utf8 = text.toUtf8();
  const FittedText fit = FitToWin1251(
      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), references);
  refused = fit.refused;
  return fit.changed ? QString::fromStdString(fit.utf8) : text;
}

}  // namespace lumbrix
