// The monkey run: a real frame window with the sample documents open, driven by the monkey for
// a seed and a number of steps or seconds. At the end every open document's text must be
// readable through its window's panes and must save, byte for byte, as its encoding and line
// ends say. Also: one seed gives one sequence of actions.
//
//   lumbrix_monkey [--seed N] [--steps N] [--seconds S] [--check-every N] [--keep]
//                  [Qt Test options]
#include <QApplication>
#include <algorithm>
#include <QDesktopServices>
#include <QClipboard>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/AboutBox.h"
#include "app/qt/AboutBoxView.h"
#include "app/qt/FrameActions.h"
#include "app/qt/FrameWindow.h"
#include "common/FileSystem.h"
#include "common/qt/CodePane.h"
#include "document/EditForm.h"
#include "document/Encodings.h"
#include "document/FileKinds.h"
#include "document/qt/EditFormView.h"
#include "monkey/qt/ActionLog.h"
#include "monkey/qt/Monkey.h"
#include "monkey/qt/RandomDialogs.h"
#include "monkey/qt/SampleDocuments.h"
#include "monkey/qt/TextChecks.h"
#include "search/qt/FindFormView.h"
#include "settings/MemoryRegistry.h"
#include "support/RecordingPorts.h"

namespace lumbrix::monkey {

namespace {

struct Options {
  std::uint64_t seed = 0;
  long steps = -1;
  double seconds = -1;
  long checkEvery = 50;
  bool keep = false;
  std::string folder;  // native; everything the run writes goes inside it
};

Options options;
ActionLog* activeLog = nullptr;
int warnings = 0;
QtMessageHandler qtTestHandler = nullptr;

// Addresses and files the program hands to the desktop: counted, never opened.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  int opened = 0;
 public slots:
  void open(const QUrl&) { ++opened; }
};

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "FATAL: %s\n", qPrintable(text));
    if (activeLog) activeLog->Print("qFatal");
    std::abort();
  }
  if (type == QtWarningMsg || type == QtCriticalMsg) ++warnings;
  if (qtTestHandler) qtTestHandler(type, context, text);
}

std::string readFile(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The extension a document's saved copy gets, so that it keeps its kind.
std::string extensionFor(const TEditForm& form) {
  switch (form.FileKind) {
    case KindCss: return "css";
    case KindJavaScript: return "js";
    case KindVrml: return "wrl";
    case KindHtml: return "html";
    default: return "txt";
  }
}

// One frame window with its own folder of documents and its own ports.
struct Session {
  std::string folder;
  RandomDialogs dialogs;
  testing::MemoryRegistry registry;
  testing::RecordingHelp help;
  testing::RecordingShell shell;
  std::unique_ptr<FrameWindow> frame;
  std::unique_ptr<TAboutBox> about;
  std::unique_ptr<AboutBoxView> aboutView;
  ActionLog log;

  Session(const std::string& name, std::uint64_t seed)
      : folder(options.folder + "/" + name), dialogs(folder, seed ^ 0x9E3779B97F4A7C15ULL) {
    std::filesystem::create_directories(folder);
    QApplication::clipboard()->clear();
    frame = std::make_unique<FrameWindow>(dialogs, registry, help, WriteSampleDocuments(folder));
    frame->form().UseShell(shell);
    about = std::make_unique<TAboutBox>(shell);
    aboutView = std::make_unique<AboutBoxView>(*about, frame.get());
    frame->showAbout = [this] { aboutView->exec(); };
    frame->show();
    frame->activateWindow();
    for (int i = 0; i < 50 && !frame->form().FirstShowDone; ++i) QTest::qWait(10);
    log.Start(seed);
    dialogs.answered = [this](const std::string& what) { log.Append(what); };
  }
  ~Session() {
    aboutView.reset();
    frame.reset();
  }
};

}  // namespace

class MonkeyRun : public QObject {
  Q_OBJECT

 private slots:
  // Qt Test has put its own message handler in place by now: warnings are counted on the way
  // to it, and a fatal message prints the monkey's log first.
  void initTestCase() { qtTestHandler = qInstallMessageHandler(onMessage); }
  void cleanupTestCase() { qInstallMessageHandler(qtTestHandler); }

  void oneSeedGivesOneSequenceOfActions() {
    std::vector<std::string> transcripts;
    for (const char* name : {"replay-a", "replay-b"}) {
      Session s(name, options.seed + 1);
      QCOMPARE(s.frame->Documents().size(), std::size_t(7));
      Monkey monkey(*s.frame, s.log, options.seed + 1);
      s.log.KeepAll();
      monkey.Run(120, -1);
      QVERIFY2(monkey.failure().empty(), monkey.failure().c_str());
      transcripts.push_back(s.log.All());
    }
    if (transcripts[0] != transcripts[1]) {
      std::fprintf(stderr, "first run:\n%s\nsecond run:\n%s\n", transcripts[0].c_str(),
                   transcripts[1].c_str());
      QFAIL("the same seed gave two different sequences of actions");
    }
  }

  void randomRunLeavesEveryTextReadableAndSavable() {
    Session s("run", options.seed);
    QCOMPARE(s.frame->Documents().size(), std::size_t(7));
    activeLog = &s.log;
    s.log.InstallCrashReport();
    Monkey monkey(*s.frame, s.log, options.seed);
    monkey.checkEvery = options.checkEvery;
    const auto started = std::chrono::steady_clock::now();
    monkey.Run(options.steps, options.steps < 0 && options.seconds < 0 ? 20 : options.seconds);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!monkey.failure().empty()) QFAIL(monkey.failure().c_str());

    std::printf("monkey: seed %llu, %ld steps in %.1f s, %zu documents open at the end\n",
                static_cast<unsigned long long>(options.seed), s.log.Steps(), seconds,
                s.frame->Documents().size());
    for (const auto& [kind, count] : s.log.Counts()) std::printf("  %-18s %ld\n", kind.c_str(), count);
    std::printf("  message boxes %d, open dialogs %d, save dialogs %d, colour/font %d, "
                "shell %zu, desktop %d, help %zu, Qt warnings %d\n",
                s.dialogs.messages, s.dialogs.openDialogs, s.dialogs.saveDialogs,
                s.dialogs.otherDialogs, s.shell.opened.size(), urls.opened,
                s.help.topics.size() + static_cast<std::size_t>(s.help.contents), warnings);

    saveEveryDocument(s);
    activeLog = nullptr;
  }

 public:
  UrlCatcher urls;

 private:
  // Each document is saved under a new name in the folder; the file must hold the pane's text
  // in the document's encoding and line ends, and the pane must still hold that text.
  void saveEveryDocument(Session& s) {
    if (s.frame->findView()) s.frame->findView()->HideDialog();
    s.dialogs.BeQuiet();
    int n = 0;
    for (TEditForm* form : s.frame->Documents()) {
      EditFormView* view = s.frame->viewOf(*form);
      QVERIFY(view);
      const std::string caption = view->windowTitle().toStdString();
      const std::string problem = TextProblem(*view);
      if (!problem.empty()) {
        s.log.Print("a text cannot be read");
        QFAIL(("\"" + caption + "\": " + problem).c_str());
      }
      const std::string text = view->codePane().Text();
      const std::string native =
          s.folder + "/final-" + std::to_string(++n) + "." + extensionFor(*form);
      s.dialogs.queuedNames.push_back(PathFromNative(native).value());
      for (QMdiSubWindow* w : s.frame->mdiArea()->subWindowList())
        if (w->widget() == view) s.frame->mdiArea()->setActiveSubWindow(w);
      QCOMPARE(s.frame->ActiveDocument(), form);
      s.frame->actions().action(QStringLiteral("SaveAs"))->trigger();
      const std::string what = "\"" + caption + "\" saved as " + native;
      QVERIFY2(std::filesystem::exists(native), what.c_str());
      QVERIFY2(!form->Modified(), what.c_str());
      QVERIFY2(view->codePane().Text() == text, ("the pane's text changed: " + what).c_str());
      const std::string expected =
          EncodeFileText(text, form->LineEndLF, form->Encoding, form->FileKind);
      if (readFile(native) != expected) {
        s.log.Print("a saved file differs from its text");
        QFAIL(("the file does not hold the text: " + what).c_str());
      }
    }
    std::printf("monkey: %d documents saved and read back\n", n);
  }
};

}  // namespace lumbrix::monkey

namespace {

// Everything the run and Qt write goes into one fresh folder: the documents, the preview pages
// (the temporary folder) and Qt's own settings and caches (the home folder).
std::string prepareFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/lumbrix-monkey-XXXXXX";
  if (!::mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::exit(2);
  }
  for (const char* sub : {"tmp", "home", "config", "cache", "data", "runtime"})
    std::filesystem::create_directories(pattern + "/" + sub);
  std::filesystem::permissions(pattern + "/runtime", std::filesystem::perms::owner_all);
  setenv("TMPDIR", (pattern + "/tmp").c_str(), 1);
  setenv("HOME", (pattern + "/home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (pattern + "/config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (pattern + "/cache").c_str(), 1);
  setenv("XDG_DATA_HOME", (pattern + "/data").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (pattern + "/runtime").c_str(), 1);
  return pattern;
}

}  // namespace

int main(int argc, char** argv) {
  using lumbrix::monkey::options;
  std::vector<char*> rest{argv[0]};
  bool seeded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--seed" && hasValue) {
      options.seed = std::strtoull(argv[++i], nullptr, 10);
      seeded = true;
    } else if (a == "--steps" && hasValue) {
      options.steps = std::strtol(argv[++i], nullptr, 10);
    } else if (a == "--seconds" && hasValue) {
      options.seconds = std::strtod(argv[++i], nullptr);
    } else if (a == "--check-every" && hasValue) {
      options.checkEvery = std::max(1L, std::strtol(argv[++i], nullptr, 10));
    } else if (a == "--keep") {
      options.keep = true;
    } else {
      rest.push_back(argv[i]);
    }
  }
  if (!seeded)
    options.seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
  std::printf("monkey: seed %llu\n", static_cast<unsigned long long>(options.seed));
  std::fflush(stdout);

  options.folder = prepareFolder();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = static_cast<int>(rest.size());
  QApplication app(qtArgc, rest.data());
  QApplication::setQuitOnLastWindowClosed(false);

  lumbrix::monkey::MonkeyRun run;
  for (const char* scheme : {"file", "http", "https", "mailto", "ftp"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &run.urls, "open");
  const int result = QTest::qExec(&run, qtArgc, rest.data());
  for (const char* scheme : {"file", "http", "https", "mailto", "ftp"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  if (result == 0 && !options.keep) {
    std::error_code ec;
    std::filesystem::remove_all(options.folder, ec);
  } else {
    std::printf("monkey: the run's folder is kept: %s\n", options.folder.c_str());
  }
  return result;
}

#include "MonkeyRun.moc"
