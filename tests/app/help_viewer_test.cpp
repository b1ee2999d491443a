// The help layer: which file it opens, how, and what the user is told when it cannot.
#include "app/help_viewer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

using vorelim::HelpViewer;

// Keeps what the help layer hands to the desktop and the warnings it shows.
struct Recorder {
  std::vector<QUrl> launched;
  vorelim::test::WarningCapture warnings;
  bool launcher_succeeds = true;

  HelpViewer Viewer(const QString& help_file) {
    return HelpViewer(help_file, [this](const QUrl& url) {
      launched.push_back(url);
      return launcher_succeeds;
    });
  }
  QStringList messages() const { return warnings.texts(); }
};

QString Q(const fs::path& path) {
  return QString::fromStdString(path.string());
}

void Touch(const fs::path& path) {
  QFile file(Q(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(help_viewer_test, a_present_file_goes_to_the_desktop_as_a_file_url) {
  vorelim::test::TempFolder folder;
  Touch(folder.path() / "Vorelim.hlp");
  Recorder recorder;
  const QString help_file = Q(folder.path() / "Vorelim.hlp");
  EXPECT_TRUE(recorder.Viewer(help_file).ShowContents(nullptr));
  ASSERT_EQ(recorder.launched.size(), 1u);
  EXPECT_EQ(recorder.launched[0], QUrl::fromLocalFile(help_file));
  EXPECT_TRUE(recorder.launched[0].isLocalFile());
  EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST(help_viewer_test, a_missing_file_is_named_to_the_user_and_nothing_is_launched) {
  vorelim::test::TempFolder folder;
  Recorder recorder;
  const QString help_file = Q(folder.path() / "Vorelim.hlp");
  EXPECT_FALSE(recorder.Viewer(help_file).ShowContents(nullptr));
  EXPECT_TRUE(recorder.launched.empty());
  ASSERT_EQ(recorder.messages().size(), 1);
  EXPECT_TRUE(recorder.messages()[0].contains(QDir::toNativeSeparators(help_file)))
      << recorder.messages()[0].toStdString();
  EXPECT_TRUE(recorder.messages()[0].contains(QStringLiteral("não foi encontrado")));
}

TEST(help_viewer_test, a_folder_of_that_name_counts_as_missing) {
  vorelim::test::TempFolder folder;
  fs::create_directory(folder.path() / "Vorelim.hlp");
  Recorder recorder;
  EXPECT_FALSE(recorder.Viewer(Q(folder.path() / "Vorelim.hlp")).ShowContents(nullptr));
  EXPECT_TRUE(recorder.launched.empty());
  EXPECT_EQ(recorder.messages().size(), 1);
}

TEST(help_viewer_test, a_file_no_program_opens_is_reported_not_taken_as_shown) {
  vorelim::test::TempFolder folder;
  Touch(folder.path() / "Vorelim.hlp");
  Recorder recorder;
  recorder.launcher_succeeds = false;
  const QString help_file = Q(folder.path() / "Vorelim.hlp");
  EXPECT_FALSE(recorder.Viewer(help_file).ShowContents(nullptr));
  EXPECT_EQ(recorder.launched.size(), 1u);
  ASSERT_EQ(recorder.messages().size(), 1);
  EXPECT_TRUE(recorder.messages()[0].contains(QDir::toNativeSeparators(help_file)));
}

TEST(help_viewer_test, without_a_help_file_nothing_happens) {
  Recorder recorder;
  EXPECT_FALSE(recorder.Viewer(QString()).ShowContents(nullptr));
  EXPECT_TRUE(recorder.launched.empty());
  EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST(help_viewer_test,
     the_folder_is_the_installed_one_then_a_moved_install_then_the_program_folder) {
  vorelim::test::TempFolder root(false);
  const fs::path installed = root.path() / "usr" / "share" / "vorelim";
  const fs::path moved_bin = root.path() / "opt" / "bin";
  const fs::path moved_data = root.path() / "opt" / "share" / "vorelim";
  const fs::path build_tree = root.path() / "build" / "app";
  fs::create_directories(moved_bin);
  fs::create_directories(build_tree);

  // Nothing installed: the program's own folder.
  EXPECT_EQ(HelpViewer::HelpFolder(Q(installed), Q(build_tree)), Q(build_tree));
  EXPECT_EQ(HelpViewer::HelpFolder(QString(), Q(build_tree)), Q(build_tree));
  // A moved install: its data folder beside the program's.
  fs::create_directories(moved_data);
  EXPECT_EQ(HelpViewer::HelpFolder(Q(installed), Q(moved_bin)), Q(moved_data));
  // Installed where it was built for: that folder, wherever the program runs from.
  fs::create_directories(installed);
  EXPECT_EQ(HelpViewer::HelpFolder(Q(installed), Q(moved_bin)), Q(installed));
  EXPECT_EQ(HelpViewer::HelpFolder(Q(installed), Q(build_tree)), Q(installed));
}

TEST(help_viewer_test, the_default_file_is_an_absolute_path_named_vorelim_hlp) {
  const QString path = HelpViewer::DefaultHelpFile();
  EXPECT_TRUE(QDir::isAbsolutePath(path)) << path.toStdString();
  EXPECT_TRUE(path.endsWith(QStringLiteral("/Vorelim.hlp"))) << path.toStdString();
}

// The frame's "&Help" goes through the program's help layer, with the file fixed at start-up.
TEST(help_in_frame_test, help_opens_the_fixed_file_or_names_the_missing_one) {
  vorelim::test::TempFolder folder;
  const QString help_file = Q(folder.path() / "Vorelim.hlp");
  Recorder recorder;
  HelpViewer& program_help = HelpViewer::Application();
  // The program-wide layer goes back to the desktop however the test ends.
  struct Restore {
    HelpViewer& help;
    ~Restore() {
      help.SetLauncher({});
      help.SetHelpFile(QString());
    }
  } restore{program_help};
  program_help.SetHelpFile(help_file);
  program_help.SetLauncher([&](const QUrl& url) {
    recorder.launched.push_back(url);
    return true;
  });
  TFORMDI frame;

  frame.HELP1->trigger();
  EXPECT_TRUE(recorder.launched.empty());
  ASSERT_EQ(recorder.messages().size(), 1);
  EXPECT_TRUE(recorder.messages()[0].contains(QDir::toNativeSeparators(help_file)));
  EXPECT_EQ(recorder.warnings.warnings()[0].owner, &frame) << "the message belongs to the frame";

  Touch(folder.path() / "Vorelim.hlp");
  frame.HELP1->trigger();
  ASSERT_EQ(recorder.launched.size(), 1u);
  EXPECT_EQ(recorder.launched[0], QUrl::fromLocalFile(help_file));
  EXPECT_EQ(recorder.messages().size(), 1);
}

}  // namespace
