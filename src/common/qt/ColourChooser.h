// The colour chooser over Qt's colour dialog: opened fully expanded (Qt's own dialog always
// shows its custom colours and the free colour field), any colour allowed, with the custom
// colours the caller offers.
#pragma once

#include <QColorDialog>
#include <memory>

#include "common/ColourChooser.h"

class QWidget;

namespace lumbrix {

// The dialog for a request, its custom colours set, so that a test can look at it unrun.
std::unique_ptr<QColorDialog> BuildColourDialog(std::uint32_t initial,
                                                std::span<const std::uint32_t> custom,
                                                QWidget* parent = nullptr);

class QtColourChooser : public ColourChooser {
 public:
  explicit QtColourChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::uint32_t> Choose(std::uint32_t initial,
                                      std::span<const std::uint32_t> custom) override;

 private:
  QWidget* parent_;
};

}  // namespace lumbrix
