#include "templates/Preview.h"

#include "common/Platform.h"
#include "common/WinText.h"
#include "document/EditForm.h"
#include "document/FileKinds.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

enum class Verdict { Browser, Script, Refused };

Verdict verdictFor(int kind) {
  switch (kind) {
    case KindHtml:
    case KindVrml:
      return Verdict::Browser;
    case KindJavaScript:
    case KindVBScript:
      return Verdict::Script;
    default:
      return Verdict::Refused;
  }
}

MsgAnswer say(Dialogs& dialogs, std::string_view text, std::string_view caption, MsgIcon icon,
              MsgButtons buttons) {
  return dialogs.MessageBox(std::string(text), std::string(caption), icon, buttons);
}

void refuse(Dialogs& dialogs) {
  say(dialogs, "Этот тип файла Вы не сможете просмотреть\nв броузере!"_w, "Не надо ля-ля"_w,
      MsgIcon::Stop, MsgButtons::Ok);
}

}  // namespace

std::string PreviewTarget(int fileKind, const std::string& filePath) {
  if (verdictFor(fileKind) != Verdict::Browser) return filePath;
  // A drive path becomes "file:///C:\..."; a path from the root keeps its own leading slash.
  return (filePath.starts_with('/') ? "file://" : "file:///") + filePath;
}

bool PreviewInBrow(TEditForm& form, Dialogs& dialogs, Shell& shell) {
  const Verdict verdict = verdictFor(form.FileKind);
  if (verdict == Verdict::Refused) {
    if (form.FileKind == KindBatch)
      say(dialogs,
          "Вы пытаетесь запустить командный файл DOS.\nЕсли в нем содержатся опасные команды "
          "вроде\n\"format c\", то они могут повредить Ваши\nданные или натворить еще чего "
          "похуже..."_w,
          "ЗАПУСК ЗАПРЕЩЕН"_w, MsgIcon::Exclamation, MsgButtons::Ok);
    refuse(dialogs);
    return false;
  }
  if (verdict == Verdict::Script &&
      say(dialogs, "Этот тип файла не запустится в броузере.\nСкрипт будет выполнен в "
                         "сервере сценариев Windows.\nЕсли Вы писали его для веб-страницы, "
                         "то\nтак ничего отладить не получится!\nУВЕРЕНЫ, ЧТО ХОТИТЕ "
                         "ПРОДОЛЖИТЬ?"_w,
                         "ПРЕДУПРЕЖДЕНИЕ"_w, MsgIcon::Exclamation,
                         MsgButtons::YesNoNoFirst) != MsgAnswer::Yes) {
    refuse(dialogs);
    return false;
  }
  if (!form.SaveDocument()) return false;
  shell.Open(PreviewTarget(form.FileKind, form.FilePath));
  return true;
}

}  // namespace lumbrix
