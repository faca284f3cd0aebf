// The Win32 file layer with what only Windows can get wrong: folder names
// outside the system's code page, and paths past MAX_PATH. The layer's
// general promises are tested on every system in tests/platform.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/windows/extended_path.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

Status WriteWhole(FileSystem& files, const std::filesystem::path& path, std::string_view text) {
  Result<std::unique_ptr<WritableFile>> file = files.Create(path);
  if (!file.ok()) return file.status();
  const std::vector<std::uint8_t> bytes = Bytes(text);
  if (Status written = (*file)->Write(bytes); !written.ok()) return written;
  if (Status synced = (*file)->Sync(); !synced.ok()) return synced;
  return (*file)->Close();
}

TEST(Win32FileSystem, WritesReplacesAndRemovesInAFolderNamedOutsideTheCodePage) {
  TempFolder temp;
  FileSystem& files = SystemFileSystem();
  const std::filesystem::path folder = temp.path() / PathFromUtf8("相机 Käse ❄");
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  ASSERT_TRUE(files.CheckWritableFolder(folder).ok());

  const std::filesystem::path final_path = folder / "camera.dat";
  const std::filesystem::path staged_path = folder / "camera.tmp";
  ASSERT_TRUE(WriteWhole(files, final_path, "old").ok());
  ASSERT_TRUE(WriteWhole(files, staged_path, "new bytes\r\n").ok());
  ASSERT_TRUE(files.Replace(staged_path, final_path).ok());

  EXPECT_FALSE(files.Exists(staged_path));
  const Result<std::vector<std::uint8_t>> read = files.ReadRegularFile(final_path, 1 << 20);
  ASSERT_TRUE(read.ok()) << read.message();
  EXPECT_EQ(*read, Bytes("new bytes\r\n"));
  EXPECT_TRUE(files.SyncFolder(folder).ok());

  EXPECT_TRUE(files.Remove(final_path).ok());
  EXPECT_TRUE(files.Remove(final_path).ok()) << "a file already gone is no error";
  // The write check leaves nothing behind.
  EXPECT_TRUE(TempFolder::Entries(folder).empty());
}

TEST(Win32PathOf, LeavesShortPathsAloneAndGivesLongOnesTheExtendedForm) {
  EXPECT_EQ(Win32PathOf(L"C:\\card\\mms.dat"), L"C:\\card\\mms.dat");

  const std::wstring deep(300, L'd');
  EXPECT_EQ(Win32PathOf(L"C:/cards/x/../" + deep + L"/mms.dat"),
            L"\\\\?\\C:\\cards\\" + deep + L"\\mms.dat");
  EXPECT_EQ(Win32PathOf(L"\\\\server\\share\\" + deep),
            L"\\\\?\\UNC\\server\\share\\" + deep);
  const std::wstring already = L"\\\\?\\C:\\" + deep;
  EXPECT_EQ(Win32PathOf(already), already);
}

}  // namespace
}  // namespace quelmo
