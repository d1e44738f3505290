// What the insertion tests share: whether a command switched the highlighting timer on.
#pragma once

#include "document/EditForm.h"

namespace lumbrix::testing {

// Until the document window has its highlighting timer, `absent` stands for the answer.
template <typename Form>
bool TimerArmed(const Form& form, bool absent = true) {
  if constexpr (requires { form.SyntaxTimerEnabled; })
    return form.SyntaxTimerEnabled;
  else
    return absent;
}

}  // namespace lumbrix::testing
