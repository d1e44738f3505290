#include "common/qt/ColourChooser.h"

#include "common/qt/QtDialogs.h"

namespace lumbrix {

std::unique_ptr<QColorDialog> BuildColourDialog(std::uint32_t initial,
                                                std::span<const std::uint32_t> custom,
                                                QWidget* parent) {
  // The custom colours are the dialog's shared slots: each chooser sets its own before opening.
  const int count = QColorDialog::customCount();
  for (int i = 0; i < count; ++i)
    QColorDialog::setCustomColor(
        i, i < static_cast<int>(custom.size()) ? ColorFromWin(custom[i]) : QColor(Qt::white));
  auto dialog = std::make_unique<QColorDialog>(ColorFromWin(initial), parent);
  dialog->setObjectName(QStringLiteral("ColorDialog"));
  dialog->setWindowTitle(QStringLiteral("Цвет"));
  dialog->setAccessibleName(QStringLiteral("Выбор цвета"));
  dialog->setOption(QColorDialog::DontUseNativeDialog);
  return dialog;
}

std::optional<std::uint32_t> QtColourChooser::Choose(std::uint32_t initial,
                                                     std::span<const std::uint32_t> custom) {
  const std::unique_ptr<QColorDialog> dialog = BuildColourDialog(initial, custom, parent_);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  return WinFromColor(dialog->selectedColor());
}

}  // namespace lumbrix
