#include "document/TextFile.h"

#include "common/FileSystem.h"
#include "common/Platform.h"
#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

void stop(Dialogs& dialogs, std::string_view text, const std::string& path) {
  dialogs.MessageBox(std::string(text), path, MsgIcon::Stop, MsgButtons::Ok);
}

}  // namespace

bool ReadTextFile(const NativeName& file, std::string& bytes, Dialogs& dialogs) {
  const std::string path = DisplayPath(file);
  switch (ReadWholeFile(file, bytes, kMaxFileSize)) {
    case ReadStatus::Ok:
      return true;
    case ReadStatus::TooLarge:
      stop(dialogs, "Файл слишком велик"_w, path);
      return false;
    case ReadStatus::CannotOpen:
    case ReadStatus::ReadError:
      break;
  }
  stop(dialogs, "Ошибка чтения файла"_w, path);
  return false;
}

bool WriteTextFile(const std::string& bytes, const NativeName& file, Dialogs& dialogs) {
  const std::string path = DisplayPath(file);
  if (bytes.size() >= static_cast<std::size_t>(kMaxFileSize)) {
    stop(dialogs, "Не удалось записать\nТекст слишком велик"_w, path);
    return false;
  }
  switch (WriteWholeFile(file, bytes)) {
    case WriteStatus::Ok:
      return true;
    case WriteStatus::ShortWrite:
      stop(dialogs,
           "Не удалось записать весь файл\nиз-за неизвестной ошибки.\nСкопируйте текст и "
           "сохраните его\nиз другой программы.\nСообщите об ошибке\nавтору."_w,
           path);
      return false;
    case WriteStatus::NotWritable:
    case WriteStatus::Failed:
      break;
  }
  stop(dialogs, "Ошибка записи файла"_w, path);
  return false;
}

bool ReadTextFile(const std::string& path, std::string& bytes, Dialogs& dialogs) {
  return ReadTextFile(ToNative(path), bytes, dialogs);
}

bool WriteTextFile(const std::string& bytes, const std::string& path, Dialogs& dialogs) {
  return WriteTextFile(bytes, ToNative(path), dialogs);
}

}  // namespace lumbrix
