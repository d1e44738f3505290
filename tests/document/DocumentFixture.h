// A document window on in-memory panes and scripted dialogs, over a real temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "common/MemoryPane.h"
#include "document/EditForm.h"
#include "settings/Settings.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

namespace lumbrix::testing {

class DocumentTest : public ::testing::Test {
 protected:
  TEditForm& Form() {
    if (!form_) form_ = std::make_unique<TEditForm>(settings, dialogs, code, plain);
    return *form_;
  }
  TEditForm& Reopen() {
    form_.reset();
    code.SetText("");
    return Form();
  }

  Settings settings;
  FakeDialogs dialogs;
  MemoryPane code;
  MemoryPane plain;
  TempDir dir;

 private:
  std::unique_ptr<TEditForm> form_;
};

}  // namespace lumbrix::testing
