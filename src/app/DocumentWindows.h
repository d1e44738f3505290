// What the frame needs of the window layer to keep its document windows.
#pragma once

#include <vector>

namespace lumbrix {

class TEditForm;

class DocumentWindows {
 public:
  virtual ~DocumentWindows() = default;
  // Creates a document window under the frame's current settings and returns its form.
  virtual TEditForm& CreateDocument() = 0;
  // Closes a document window without asking.
  virtual void DestroyDocument(TEditForm& form) = 0;
  virtual TEditForm* ActiveDocument() = 0;
  virtual std::vector<TEditForm*> Documents() = 0;
  virtual bool FrameMaximized() const = 0;
  virtual void SetFrameMaximized(bool maximized) = 0;
};

}  // namespace lumbrix
