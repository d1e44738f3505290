// Qt's own texts read in Russian once the program has installed Qt's Russian catalogue: the
// file dialog the program opens and the system menu of a document window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

#include "app/qt/FrameTestSupport.h"
#include "common/qt/QtDialogs.h"
#include "common/qt/QtLanguage.h"
#include "support/TempDir.h"

namespace lumbrix {
namespace {

struct QtRussian : ::testing::Test {
  // The texts of a window are taken when it is made: the catalogue comes first.
  std::unique_ptr<QTranslator> catalogue = InstallQtRussian();
  ~QtRussian() override {
    if (catalogue) QCoreApplication::removeTranslator(catalogue.get());
  }
};

TEST_F(QtRussian, TheOpenDialogSpeaksRussian) {
  ASSERT_NE(catalogue, nullptr) << "no qtbase_ru in "
                                << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
  FileDialogRequest request;
  request.filters = {"HTML|*.htm", "Всё подряд|*.*"};
  const auto dialog = BuildFileDialog(request, FileDialogKind::Open);
  const struct {
    const char* label;
    const char16_t* text;
  } labels[] = {
      {"lookInLabel", u"Перейти к:"},
      {"fileNameLabel", u"&Имя файла:"},
      {"fileTypeLabel", u"Типы файлов:"},
  };
  for (const auto& l : labels) {
    auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(l.label));
    ASSERT_NE(label, nullptr) << l.label;
    EXPECT_EQ(label->text(), QString::fromUtf16(l.text)) << l.label;
  }
  auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), QStringLiteral("&Открыть"));
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
}

TEST_F(QtRussian, ADocumentWindowsSystemMenuSpeaksRussian) {
  ASSERT_NE(catalogue, nullptr);
  testing::TempDir dir;
  FrameFixture f;
  f.firstShow();
  f.frame->form().OpenCommandLine({dir.Write("a.htm", "")});
  ASSERT_FALSE(f.frame->mdiArea()->subWindowList().isEmpty());
  QMenu* menu = f.frame->mdiArea()->subWindowList().back()->systemMenu();
  ASSERT_NE(menu, nullptr);
  QStringList texts;
  for (const QAction* a : menu->actions())
    if (!a->isSeparator()) texts << a->text();
  EXPECT_EQ(texts, (QStringList{"&Восстановить", "&Переместить", "&Размер", "&Свернуть",
                                "Р&аспахнуть", "Оставаться &сверху", "&Закрыть"}))
      << texts.join(u'|').toStdString();
}

}  // namespace
}  // namespace lumbrix
