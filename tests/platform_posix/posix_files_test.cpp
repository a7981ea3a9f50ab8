#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <cstring>
#include <functional>
#include <system_error>

#include "platform/posix/path_search.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_program_folder.h"
#include "support/temp_folder.h"

namespace tallies {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempFolder;

// Runs failing and returns the error it threw, or a default error_code when it did not throw.
template <typename F>
std::error_code ErrorOf(F failing) {
  try {
    failing();
  } catch (const std::system_error& e) {
    return e.code();
  }
  return {};
}

TEST(PosixFileSystem, CreatesAnEmptyFile) {
  TempFolder temp;
  PosixFileSystem files;
  const std::string path = temp.PathOf("x27z42j.html");
  EXPECT_FALSE(files.Exists(path));
  files.CreateEmpty(path);
  EXPECT_TRUE(files.Exists(path));
  EXPECT_EQ(ReadFile(path), "");
}

TEST(PosixFileSystem, CreatingKeepsTheContentOfAnExistingFile) {
  TempFolder temp;
  PosixFileSystem files;
  const std::string path = temp.PutFile("x27z42j.html", "left over");
  files.CreateEmpty(path);
  EXPECT_EQ(ReadFile(path), "left over");
}

TEST(PosixFileSystem, RemovesAFile) {
  TempFolder temp;
  PosixFileSystem files;
  const std::string path = temp.PutFile("gone.html", "x");
  files.Remove(path);
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(files.Exists(path));
}

TEST(PosixFileSystem, FolderIsNoFile) {
  TempFolder temp;
  PosixFileSystem files;
  EXPECT_FALSE(files.Exists(temp.MakeFolder("sub")));
  EXPECT_FALSE(files.Exists(temp.PathOf("missing")));
}

TEST(PosixFileSystem, FailuresCarryErrnoAndItsText) {
  TempFolder temp;
  PosixFileSystem files;
  const std::string plainFile = temp.PutFile("plain", "");
  struct Case {
    const char* what;
    std::function<void()> failing;
    int errorNumber;
  };
  const Case cases[] = {
      {"delete a missing file", [&] { files.Remove(temp.PathOf("missing")); }, ENOENT},
      {"create in a missing folder", [&] { files.CreateEmpty(temp.PathOf("none/x.html")); },
       ENOENT},
      {"create below a file", [&] { files.CreateEmpty(plainFile + "/x.html"); }, ENOTDIR},
      {"delete a folder", [&] { files.Remove(temp.MakeFolder("dir")); }, EISDIR},
  };
  for (const Case& c : cases) {
    const std::error_code code = ErrorOf(c.failing);
    EXPECT_EQ(code.value(), c.errorNumber) << c.what;
    EXPECT_EQ(code.message(), std::strerror(c.errorNumber)) << c.what;
  }
}

TEST(PosixFileSystem, CreatingDoesNotFollowALinkOfTheSameName) {
  TempFolder temp;
  PosixFileSystem files;
  const std::string target = temp.PathOf("elsewhere");
  const std::string path = temp.PathOf("x27z42j.html");
  ASSERT_EQ(::symlink(target.c_str(), path.c_str()), 0);
  EXPECT_EQ(ErrorOf([&] { files.CreateEmpty(path); }).value(), ELOOP);
  EXPECT_FALSE(FileExists(target));
}

TEST(PosixFileSystem, NeedsWriteAccessToTheFolder) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "the superuser may write everywhere";
  }
  TempFolder temp;
  PosixFileSystem files;
  const std::string folder = temp.MakeFolder("readonly", 0500);
  EXPECT_EQ(ErrorOf([&] { files.CreateEmpty(folder + "/x.html"); }).value(), EACCES);
  ::chmod(folder.c_str(), 0700);
}

TEST(FindProgramOnPath, FindsTheFirstExecutableFileInPathOrder) {
  TempFolder temp;
  const std::string first = temp.MakeFolder("first");
  const std::string second = temp.MakeFolder("second");
  const std::string third = temp.MakeFolder("third");
  temp.PutFile("first/tool", "not a program", 0644);
  temp.MakeFolder("second/tool");
  temp.PutScript("third/tool", "exit 0");
  const std::string path = first + ":" + second + ":" + third;
  EXPECT_EQ(FindProgramOnPath("tool", path), temp.PathOf("third/tool"));
  EXPECT_EQ(FindProgramOnPath("tool", third + "/"), temp.PathOf("third/tool"));
  EXPECT_EQ(FindProgramOnPath("other", path), std::nullopt);
  EXPECT_EQ(FindProgramOnPath("tool", ""), std::nullopt);
}

TEST(FindProgramOnPath, IgnoresTheCurrentFolder) {
  TempFolder temp;
  temp.PutScript("tool", "exit 0");
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(temp.Path())));
  // An empty entry and "." both name the current folder.
  EXPECT_EQ(FindProgramOnPath("tool", ":.:sub"), std::nullopt);
  QDir::setCurrent(before);
}

TEST(FindProgramOnPath, TakesOnlyBareNames) {
  TempFolder temp;
  temp.MakeFolder("bin");
  temp.PutScript("bin/tool", "exit 0");
  EXPECT_EQ(FindProgramOnPath("bin/tool", temp.Path()), std::nullopt);
  EXPECT_EQ(FindProgramOnPath("", temp.Path()), std::nullopt);
}

TEST(PosixProgramFolder, GivesTheExecutablesFolderBySlash) {
  PosixProgramFolder folder;
  EXPECT_EQ(folder.Path(), QCoreApplication::applicationDirPath().toStdString());
  EXPECT_EQ(folder.Separator(), '/');
  PosixProgramFolder injected("/opt/tallies");
  EXPECT_EQ(injected.Path(), "/opt/tallies");
}

TEST(PosixProgramFolder, WritableFolders) {
  TempFolder temp;
  PosixProgramFolder folder;
  EXPECT_TRUE(folder.IsWritable(temp.Path()));
  EXPECT_FALSE(folder.IsWritable(temp.PathOf("missing")));
  EXPECT_FALSE(folder.IsWritable(""));
}

TEST(PosixProgramFolder, FallbackIsOnlyAPrivateFolderOfTheUser) {
  TempFolder temp;
  const std::string privateFolder = temp.MakeFolder("private", 0700);
  const std::string shared = temp.MakeFolder("shared", 01777);
  const std::string groupReadable = temp.MakeFolder("group", 0750);
  const std::string plainFile = temp.PutFile("file", "");
  const std::string link = temp.PathOf("link");
  ASSERT_EQ(::symlink(privateFolder.c_str(), link.c_str()), 0);

  EXPECT_EQ(PosixProgramFolder(std::nullopt, privateFolder).FallbackFolder(), privateFolder);
  for (const std::string& refused :
       {shared, groupReadable, plainFile, link, temp.PathOf("missing"), std::string()}) {
    EXPECT_EQ(PosixProgramFolder(std::nullopt, refused).FallbackFolder(), std::nullopt) << refused;
  }
}

TEST(PosixProgramFolder, DefaultFallbackIsTheRuntimeFolder) {
  PosixProgramFolder folder;
  const std::optional<std::string> fallback = folder.FallbackFolder();
  ASSERT_TRUE(fallback.has_value());
  struct stat status {};
  ASSERT_EQ(::stat(fallback->c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0077, 0u);
  EXPECT_EQ(status.st_uid, ::geteuid());
}

}  // namespace
}  // namespace tallies
