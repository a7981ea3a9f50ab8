#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_program_folder.h"
#include "stand_in.h"

namespace tallies {
namespace {

using testing::PathExists;
using testing::ReadWholeFile;
using testing::TestProgramFolder;

TEST(Win32ProgramFolder, IsTheFolderOfTheExecutable) {
  Win32ProgramFolder folder;
  const std::string path = folder.Path();
  EXPECT_EQ(path, TestProgramFolder());
  ASSERT_FALSE(path.empty());
  EXPECT_NE(path.back(), '\\');
  EXPECT_TRUE(PathExists(path + "\\platform_stand_in.exe"));
  EXPECT_EQ(folder.Separator(), '\\');
  EXPECT_TRUE(folder.IsWritable(path));
}

TEST(Win32ProgramFolder, FallbackIsTheUsersTemporaryFolder) {
  Win32ProgramFolder folder;
  const auto fallback = folder.FallbackFolder();
  ASSERT_TRUE(fallback.has_value());
  ASSERT_FALSE(fallback->empty());
  EXPECT_NE(fallback->back(), '\\');
  const DWORD attributes = GetFileAttributesA(fallback->c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_TRUE(folder.IsWritable(*fallback));
}

TEST(Win32ProgramFolder, MissingFolderIsNotWritable) {
  Win32ProgramFolder folder;
  EXPECT_FALSE(folder.IsWritable(TestProgramFolder() + "\\no such folder"));
  EXPECT_FALSE(folder.IsWritable(""));
}

TEST(Win32ProgramFolder, ReadOnlyFolderIsNotWritable) {
  const char* readOnly = std::getenv("TALLIES_READ_ONLY_FOLDER");
  if (readOnly == nullptr) {
    GTEST_SKIP() << "no read-only folder was made for this run (TALLIES_READ_ONLY_FOLDER)";
  }
  std::string path(readOnly);
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  ASSERT_TRUE(PathExists(path)) << path;
  // Wine maps the folder's Unix permissions; for the superuser they grant everything.
  const std::string probe = path + "\\probe.txt";
  const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    DeleteFileA(probe.c_str());
    GTEST_SKIP() << "the folder's permissions do not hold for this user (running as root?)";
  }
  Win32ProgramFolder folder;
  EXPECT_FALSE(folder.IsWritable(path));
  Win32FileSystem files;
  try {
    files.CreateEmpty(path + "\\x27z42j.html");
    ADD_FAILURE() << "a file was made in a read-only folder";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code().value(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(e.code().message().empty());
  }
}

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void TearDown() override { DeleteFileA(m_path.c_str()); }
  Win32FileSystem m_files;
  std::string m_path = TestProgramFolder() + "\\x27z42j.html";
};

TEST_F(Win32FileSystemTest, CreatesAnEmptyFileAndDeletesIt) {
  DeleteFileA(m_path.c_str());
  EXPECT_FALSE(m_files.Exists(m_path));
  m_files.CreateEmpty(m_path);
  EXPECT_TRUE(m_files.Exists(m_path));
  EXPECT_EQ(ReadWholeFile(m_path), "");
  m_files.Remove(m_path);
  EXPECT_FALSE(m_files.Exists(m_path));
  EXPECT_FALSE(PathExists(m_path));
}

TEST_F(Win32FileSystemTest, LeftoverContentIsKept) {
  { std::ofstream(m_path, std::ios::binary) << "<html>old</html>"; }
  m_files.CreateEmpty(m_path);
  EXPECT_EQ(ReadWholeFile(m_path), "<html>old</html>");
}

TEST_F(Win32FileSystemTest, DeletingAMissingFileThrowsTheSystemsError) {
  DeleteFileA(m_path.c_str());
  try {
    m_files.Remove(m_path);
    FAIL() << "no error";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code().value(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(e.code().message().empty());
  }
}

TEST_F(Win32FileSystemTest, FoldersAndHiddenFilesDoNotCount) {
  EXPECT_FALSE(m_files.Exists(TestProgramFolder()));
  m_files.CreateEmpty(m_path);
  ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(m_files.Exists(m_path));
  SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(m_files.Exists(m_path));
}

}  // namespace
}  // namespace tallies
