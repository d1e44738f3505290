#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/WinText.h"
#include "settings/MemoryRegistry.h"
#include "settings/SettingsStore.h"
#include "support/FakeDialogs.h"

namespace lumbrix {
namespace {

using namespace lumbrix::literals;
using testing::FakeDialogs;
using testing::MemoryRegistry;

void expectReadError(const FakeDialogs& dialogs) {
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const auto& m = dialogs.messages[0];
  EXPECT_EQ(m.text, std::string("Не вы постарались?\nЕсли да, то больше с реестром не играйтесь\n"
                                "Если вы не при чём, то сообщите о глюке автору"_w));
  EXPECT_EQ(m.caption, std::string("Ошибка при чтении реестра"_w));
  EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
}

void expectWriteError(const FakeDialogs& dialogs) {
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const auto& m = dialogs.messages[0];
  EXPECT_EQ(m.text, std::string("Глюк???"_w));
  EXPECT_EQ(m.caption, std::string("Ошибка при записи в реестр"_w));
  EXPECT_EQ(m.icon, MsgIcon::None);
  EXPECT_EQ(m.buttons, MsgButtons::Ok);
}

TEST(SettingsTable, NamesEveryFieldOnce) {
  std::set<std::string_view> names;
  for (const auto& f : kSettingFields) names.insert(f.name);
  EXPECT_EQ(names.size(), 33u);
  for (std::size_t i = 0; i < kSettingFields.size(); ++i)
    for (std::size_t j = i + 1; j < kSettingFields.size(); ++j)
      EXPECT_NE(kSettingFields[i].member, kSettingFields[j].member) << kSettingFields[j].name;
}

TEST(LoadSettings, MissingKeyIsAFirstRun) {
  MemoryRegistry registry;
  FakeDialogs dialogs;
  Settings s;
  LoadSettings(s, registry, dialogs);
  EXPECT_EQ(s, Settings{});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(registry.openedKeys.empty());
}

TEST(LoadSettings, TakesTheValuesThatExistWithTheirKinds) {
  MemoryRegistry registry;
  registry.keyExists = true;
  registry.values = {{"TS", 4}, {"USER", std::string("Иван"_w)}, {"HAVS", 0},
                     {"SO", 5}, {"UK", std::string()},           {"CETColor", -1}};
  FakeDialogs dialogs;
  Settings s;
  LoadSettings(s, registry, dialogs);

  Settings expected;
  expected.TS = 4;
  expected.USER = "Иван"_w;
  expected.HAVS = false;
  expected.SO = true;  // any non-zero number is on
  expected.CETColor = -1;
  EXPECT_EQ(s, expected);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(registry.openedKeys, std::vector<std::string>{"Software\\Orvane\\lmbx\\"});
  EXPECT_EQ(registry.closes, 1);
}

TEST(LoadSettings, AValueOfTheOtherKindStopsTheLoadThere) {
  MemoryRegistry registry;
  registry.keyExists = true;
  registry.values = {{"UUL", 1}, {"PSN", 1}, {"HAVS", std::string("1")}, {"TS", 8}, {"SO", 1}};
  FakeDialogs dialogs;
  Settings s;
  LoadSettings(s, registry, dialogs);

  Settings expected;
  expected.UUL = true;
  expected.PSN = true;
  EXPECT_EQ(s, expected);
  expectReadError(dialogs);
  EXPECT_EQ(registry.closes, 1);
}

TEST(LoadSettings, AnUnreadableValueOrKeyIsReported) {
  MemoryRegistry registry;
  registry.keyExists = true;
  registry.values = {{"TS", 8}, {"USER", std::string("x")}, {"PC", std::string("T")}};
  registry.unreadable = {"USER"};
  FakeDialogs dialogs;
  Settings s;
  LoadSettings(s, registry, dialogs);
  EXPECT_EQ(s.TS, 8);
  EXPECT_EQ(s.USER, "");
  EXPECT_EQ(s.PC, "Lumbrix");
  expectReadError(dialogs);

  MemoryRegistry locked;
  locked.keyExists = true;
  locked.refuseOpen = true;
  FakeDialogs dialogs2;
  Settings s2;
  LoadSettings(s2, locked, dialogs2);
  EXPECT_EQ(s2, Settings{});
  expectReadError(dialogs2);
}

Settings changedSettings() {
  Settings s;
  s.UUL = true;
  s.HAVS = false;
  s.TS = -3;
  s.USER = "Пётр \"П\" \\"_w;
  s.PC = "";
  return s;
}

TEST(SaveSettings, WritesEveryFieldInTableOrderAndLeavesOtherValues) {
  MemoryRegistry registry;
  registry.values = {{"Other", std::string("kept")}, {"UUL", std::string("old kind")}};
  FakeDialogs dialogs;
  const Settings s = changedSettings();
  SaveSettings(s, registry, dialogs);

  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_EQ(registry.written.size(), 33u);
  for (std::size_t i = 0; i < kSettingFields.size(); ++i)
    EXPECT_EQ(registry.written[i], kSettingFields[i].name);
  EXPECT_EQ(registry.values.at("Other"), MemoryRegistry::Value(std::string("kept")));
  EXPECT_EQ(registry.values.at("UUL"), MemoryRegistry::Value(1));
  EXPECT_EQ(registry.values.at("HAVS"), MemoryRegistry::Value(0));
  EXPECT_EQ(registry.values.at("TS"), MemoryRegistry::Value(-3));
  EXPECT_EQ(registry.values.at("USER"), MemoryRegistry::Value(s.USER));
  EXPECT_EQ(registry.values.at("PC"), MemoryRegistry::Value(std::string()));
  EXPECT_EQ(registry.closes, 1);
}

TEST(SaveSettings, AFlagReadAsFiveIsWrittenBackAsOne) {
  MemoryRegistry registry;
  registry.keyExists = true;
  registry.values = {{"AM", 5}};
  FakeDialogs dialogs;
  Settings s;
  LoadSettings(s, registry, dialogs);
  SaveSettings(s, registry, dialogs);
  EXPECT_EQ(registry.values.at("AM"), MemoryRegistry::Value(1));
}

TEST(SaveSettings, AFailedWriteStopsTheSaveAndKeepsTheRecord) {
  MemoryRegistry registry;
  registry.values = {{"USER", std::string("old")}, {"UT", 0}};
  registry.failWriteOf = "NSF";
  FakeDialogs dialogs;
  const Settings s = changedSettings();
  SaveSettings(s, registry, dialogs);

  EXPECT_EQ(registry.written, (std::vector<std::string>{"UUL", "PSN", "HAVS", "TS", "USER"}));
  EXPECT_EQ(registry.values.at("UT"), MemoryRegistry::Value(0));
  EXPECT_EQ(registry.closes, 1);
  EXPECT_FALSE(registry.isOpen);
  EXPECT_EQ(s, changedSettings());
  expectWriteError(dialogs);
}

TEST(SaveSettings, AKeyThatCannotBeCreatedOrStoredIsAFailure) {
  MemoryRegistry refused;
  refused.refuseOpen = true;
  FakeDialogs dialogs;
  SaveSettings(Settings{}, refused, dialogs);
  EXPECT_TRUE(refused.written.empty());
  expectWriteError(dialogs);

  MemoryRegistry unstored;
  unstored.failClose = true;
  FakeDialogs dialogs2;
  SaveSettings(Settings{}, unstored, dialogs2);
  EXPECT_EQ(unstored.written.size(), 33u);
  expectWriteError(dialogs2);
}

}  // namespace
}  // namespace lumbrix
