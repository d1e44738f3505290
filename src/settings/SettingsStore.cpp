#include "settings/SettingsStore.h"

#include <string>
#include <utility>
#include <variant>

#include "common/WinText.h"

namespace lumbrix {

using namespace lumbrix::literals;

namespace {

void showReadError(Dialogs& dialogs) {
  dialogs.MessageBox(std::string("Не вы постарались?\nЕсли да, то больше с реестром не играйтесь\n"
                                 "Если вы не при чём, то сообщите о глюке автору"_w),
                     std::string("Ошибка при чтении реестра"_w), MsgIcon::Exclamation,
                     MsgButtons::Ok);
}

void showWriteError(Dialogs& dialogs) {
  dialogs.MessageBox(std::string("Глюк???"_w), std::string("Ошибка при записи в реестр"_w),
                     MsgIcon::None, MsgButtons::Ok);
}

// Reads one value into its field; the field is touched only when the read succeeds.
bool readField(Registry& registry, const std::string& name, Settings& settings,
               const SettingField::Member& member) {
  struct Reader {
    Registry& registry;
    const std::string& name;
    Settings& settings;

    bool operator()(bool Settings::*flag) const {
      std::int32_t v = 0;
      if (!registry.ReadInteger(name, v)) return false;
      settings.*flag = v != 0;
      return true;
    }
    bool operator()(std::int32_t Settings::*number) const {
      std::int32_t v = 0;
      if (!registry.ReadInteger(name, v)) return false;
      settings.*number = v;
      return true;
    }
    bool operator()(std::string Settings::*text) const {
      std::string v;
      if (!registry.ReadString(name, v)) return false;
      settings.*text = std::move(v);
      return true;
    }
  };
  return std::visit(Reader{registry, name, settings}, member);
}

bool writeField(Registry& registry, const std::string& name, const Settings& settings,
                const SettingField::Member& member) {
  struct Writer {
    Registry& registry;
    const std::string& name;
    const Settings& settings;

    bool operator()(bool Settings::*flag) const {
      return registry.WriteInteger(name, settings.*flag ? 1 : 0);
    }
    bool operator()(std::int32_t Settings::*number) const {
      return registry.WriteInteger(name, settings.*number);
    }
    bool operator()(std::string Settings::*text) const {
      return registry.WriteString(name, settings.*text);
    }
  };
  return std::visit(Writer{registry, name, settings}, member);
}

}  // namespace

void LoadSettings(Settings& settings, Registry& registry, Dialogs& dialogs) {
  const std::string key(kSettingsKey);
  if (!registry.KeyExists(key)) return;
  // The key is there but cannot be opened: as much a read failure as an unreadable value.
  if (!registry.OpenKey(key, false)) {
    showReadError(dialogs);
    return;
  }
  bool ok = true;
  for (const SettingField& field : kSettingFields) {
    const std::string name(field.name);
    if (!registry.ValueExists(name)) continue;
    if (!readField(registry, name, settings, field.member)) {
      ok = false;
      break;
    }
  }
  registry.CloseKey();
  if (!ok) showReadError(dialogs);
}

void SaveSettings(const Settings& settings, Registry& registry, Dialogs& dialogs) {
  const std::string key(kSettingsKey);
  if (!registry.OpenKey(key, true)) {
    showWriteError(dialogs);
    return;
  }
  for (const SettingField& field : kSettingFields) {
    if (!writeField(registry, std::string(field.name), settings, field.member)) {
      // What was written before the failure is still stored, as the registry itself would.
      registry.CloseKey();
      showWriteError(dialogs);
      return;
    }
  }
  if (!registry.CloseKey()) showWriteError(dialogs);
}

}  // namespace lumbrix
