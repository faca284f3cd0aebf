// quelmo.exe's windows driven through their native controls: every window in
// every language, the launcher's turns and its stored language, and each
// form's whole road from list picks and typing to its setting file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/fallback_preferences.h"
#include "app/launcher.h"
#include "app/program_session.h"
#include "app/registry_preference_backend.h"
#include "camera/camera_controls.h"
#include "dialogs/accessible_names.h"
#include "mms/mms_controls.h"
#include "platform/file_system.h"
#include "recording_dialogs.h"
#include "screens/window_names.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "sms/sms_controls.h"
#include "smtp/smtp_controls.h"
#include "support/fake_preference_backend.h"
#include "support/file_bytes.h"
#include "support/reference_files.h"
#include "support/temp_folder.h"
#include "text/utf16.h"
#include "win32/native_form_view.h"
#include "win32/window_loop.h"
#include "work/escaped_error.h"

namespace quelmo {
namespace {

class FixedClock final : public LocalClock {
 public:
  LocalTime Now() const override { return {2024, 2, 29, 23, 59, 58}; }
};

HWND Control(const HostedDialog& dialog, ControlId id) { return GetDlgItem(dialog.Window(), id); }

// What the user's mouse does: an entry picked in a list.
void Pick(const HostedDialog& dialog, ControlId list, int index) {
  HWND combo = Control(dialog, list);
  ASSERT_NE(SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0), CB_ERR)
      << "list " << list << " has no entry " << index;
  SendMessageW(dialog.Window(), WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

// What the user's keyboard does: the edit's text selected and typed over.
void Type(const HostedDialog& dialog, ControlId edit, const std::wstring& text) {
  HWND window = Control(dialog, edit);
  SendMessageW(window, EM_SETSEL, 0, -1);
  for (const wchar_t c : text) SendMessageW(window, WM_CHAR, c, 1);
}

void Click(WindowLoop& loop, ControlId button) {
  SendMessageW(Control(*loop.Current(), button), BM_CLICK, 0, 0);
  loop.HandlePending();
}

// A key pressed in the window that has the focus, through the message queue
// as the keyboard delivers it.
void Press(WindowLoop& loop, WPARAM key) {
  HWND target = GetFocus();
  HWND root = loop.Over() != nullptr ? loop.Over()->Window() : loop.Current()->Window();
  if (target == nullptr || (target != root && !IsChild(root, target))) target = root;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  loop.HandlePending();
}

class NativeHostTest : public ::testing::Test {
 protected:
  NativeHostTest() : store_(backend_, 0x0409) {}

  AppContext Context() {
    return AppContext{state_, store_, SystemFileSystem(), clock_, PathToUtf8(folder_.path())};
  }

  FakePreferenceBackend backend_;
  PreferenceStore store_;
  AppState state_;
  FixedClock clock_;
  TempFolder folder_;
  RecordingDialogs dialogs_;
};

// Every text of a window whole in the control that shows it, in the font the
// control has: a label's in its width, a button's inside its edges, a list's
// entries in the part where the list shows its entry; every control within
// the window.
void ExpectTextsWhole(const HostedDialog& dialog, const std::string& where) {
  HWND window = dialog.Window();
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  HWND child = GetWindow(window, GW_CHILD);
  for (const ControlTemplate& control : dialog.Layout().controls) {
    ASSERT_NE(child, nullptr) << where;
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_TRUE(place.left >= 0 && place.right <= client.right) << where << " control " << control.id;

    std::vector<std::wstring> texts;
    int room = place.right - place.left;
    if (control.kind == ControlKind::kDropdownList || control.kind == ControlKind::kDropdownCombo) {
      const LRESULT count = SendMessageW(child, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        std::wstring entry(static_cast<std::size_t>(SendMessageW(child, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        SendMessageW(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(entry.size() - 1);
        texts.push_back(entry);
      }
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      GetComboBoxInfo(child, &info);
      room = info.rcItem.right - info.rcItem.left;
    } else if (control.kind == ControlKind::kLabel || control.kind == ControlKind::kPushButton) {
      texts.push_back(WindowText(child));
      if (control.kind == ControlKind::kPushButton) room -= 2 * GetSystemMetrics(SM_CXEDGE);
    }
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
    for (const std::wstring& text : texts) {
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      EXPECT_LE(size.cx, room) << where << " control " << control.id << " \"" << Utf8(text) << "\"";
    }
    SelectObject(dc, before);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  ReleaseDC(window, dc);
}

TEST_F(NativeHostTest, EveryWindowOpensInEveryLanguageWithItsTextsWhole) {
  for (const auto& [which, name] : kNamedWindows) {
    for (int language = 1; language <= 11; ++language) {
      state_.languageIndex = language;
      AppContext context = Context();
      Win32ScreenHost host(dialogs_);
      Result<std::unique_ptr<Screen>> screen =
          Screen::Make(which, host, ProgramScreens(context), language);
      ASSERT_TRUE(screen.ok()) << name << "/" << language << ": " << screen.message();
      HostedDialog& dialog = Win32ScreenHost::WindowOf(**screen);
      dialog.Show();
      EXPECT_GT(GetWindowTextLengthW(dialog.Window()), 0) << name << "/" << language;
      ExpectTextsWhole(dialog, std::string(name) + "/" + std::to_string(language));
    }
  }
  EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.messages.front().text;
}

// The dialog manager's Tab goes round the controls in reading order, and a
// field's label is the window just before it, where screen readers look for
// its name (a label that names several fields is before the first).
TEST_F(NativeHostTest, TabGoesInReadingOrderAndEachLabelPrecedesItsField) {
  for (const auto& [which, name] : kNamedWindows) {
    SCOPED_TRACE(name);
    AppContext context = Context();
    Win32ScreenHost host(dialogs_);
    Result<std::unique_ptr<Screen>> screen =
        Screen::Make(which, host, ProgramScreens(context), state_.languageIndex);
    ASSERT_TRUE(screen.ok()) << screen.message();
    HostedDialog& dialog = Win32ScreenHost::WindowOf(**screen);
    dialog.Show();
    HWND window = dialog.Window();
    const DialogTemplate& layout = dialog.Layout();

    std::vector<ControlId> expected;
    std::vector<ControlId> visited;
    std::set<std::size_t> labels_seen;
    for (const AccessibleControl& named : AccessibleControls(layout)) {
      const ControlTemplate& control = layout.controls[named.control];
      HWND field = GetDlgItem(window, control.id);
      if (IsWindowEnabled(field)) expected.push_back(control.id);
      ASSERT_TRUE(named.label.has_value()) << control.id;
      const ControlTemplate& label = layout.controls[*named.label];
      if (label.kind != ControlKind::kLabel || !labels_seen.insert(*named.label).second) continue;
      HWND before = GetWindow(field, GW_HWNDPREV);
      wchar_t class_name[16] = {};
      GetClassNameW(before, class_name, 16);
      EXPECT_EQ(lstrcmpiW(class_name, L"Static"), 0) << control.id;
      EXPECT_FALSE(WindowText(before).empty()) << control.id;
    }
    ASSERT_FALSE(expected.empty());
    HWND stop = GetDlgItem(window, expected.front());
    for (std::size_t i = 0; i < expected.size() && stop != nullptr; ++i) {
      visited.push_back(GetDlgCtrlID(stop));
      stop = GetNextDlgTabItem(window, stop, FALSE);
    }
    EXPECT_EQ(visited, expected);
  }
}

TEST_F(NativeHostTest, LauncherAndFormsTakeTurnsByButtonsKeysAndCloseBox) {
  AppContext context = Context();
  WindowLoop loop(context, dialogs_);
  loop.Start();
  ASSERT_TRUE(loop.Running());
  EXPECT_EQ(loop.Current()->Which(), Next::kLauncher);

  // The system menu carries CopyRight, which opens About over the launcher.
  HWND launcher = loop.Current()->Window();
  wchar_t entry[32] = {};
  GetMenuStringW(GetSystemMenu(launcher, FALSE), kCopyRightCommand, entry, 32, MF_BYCOMMAND);
  EXPECT_STREQ(entry, L"CopyRight");
  SendMessageW(launcher, WM_SYSCOMMAND, kCopyRightCommand, 0);
  loop.HandlePending();
  ASSERT_NE(loop.Over(), nullptr);
  EXPECT_EQ(loop.Over()->Which(), Next::kAbout);
  EXPECT_FALSE(IsWindowEnabled(launcher));
  Press(loop, VK_RETURN);  // About's OK is its default button
  EXPECT_EQ(loop.Over(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(launcher));

  const struct {
    const char* how;
    std::function<void()> act;
    Next then;
  } turns[] = {
      {"camera button", [&] { Click(loop, kLauncherCameraButton); }, Next::kCameraForm},
      {"Esc", [&] { Press(loop, VK_ESCAPE); }, Next::kLauncher},
      {"camera button again", [&] { Click(loop, kLauncherCameraButton); }, Next::kCameraForm},
      {"close box", [&] { SendMessageW(loop.Current()->Window(), WM_CLOSE, 0, 0); loop.HandlePending(); },
       Next::kLauncher},
  };
  for (const auto& turn : turns) {
    turn.act();
    ASSERT_TRUE(loop.Running()) << turn.how;
    EXPECT_EQ(loop.Current()->Which(), turn.then) << turn.how;
    EXPECT_TRUE(IsWindowVisible(loop.Current()->Window())) << turn.how;
  }
  SendMessageW(loop.Current()->Window(), WM_CLOSE, 0, 0);
  loop.HandlePending();
  EXPECT_FALSE(loop.Running());
  EXPECT_TRUE(loop.Outcome().ok());
}

// A launcher whose camera button throws, as a handler might when memory runs
// out; the close box ends it.
class ThrowingLauncher final : public FormLogic {
 public:
  explicit ThrowingLauncher(FormView& view) : view_(view) {}
  void Open() override { view_.SetTitle("Quelmo"); }
  Next Clicked(ControlId id) override {
    if (id == kLauncherCameraButton) throw std::bad_alloc();
    return id == kIdCancel ? Next::kQuit : Next::kStay;
  }

 private:
  FormView& view_;
};

// The dialog procedure's catch: the user is told in the window's language,
// the log gets a line, and the window goes on as before.
TEST_F(NativeHostTest, AnExceptionFromAHandlerIsToldAndLoggedAndTheWindowGoesOn) {
  state_.languageIndex = 3;
  AppContext context = Context();
  WindowLoop loop(context, dialogs_,
                  [](Next which, FormView& view, FormLogic*) -> std::unique_ptr<FormLogic> {
                    if (which != Next::kLauncher) return nullptr;
                    return std::make_unique<ThrowingLauncher>(view);
                  });
  loop.Start();
  ASSERT_TRUE(loop.Running());
  ::testing::internal::CaptureStderr();
  Click(loop, kLauncherCameraButton);
  const std::string log = ::testing::internal::GetCapturedStderr();
  const std::string what = std::bad_alloc().what();
  // Wine may add lines of its own to the error stream.
  EXPECT_NE(log.find("quelmo: unexpected error in a window procedure: " + what + "\n"),
            std::string::npos)
      << log;
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, EscapedErrorMessage(what, 3));
  EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::kWarning);
  ASSERT_TRUE(loop.Running());
  EXPECT_TRUE(IsWindowVisible(loop.Current()->Window()));

  SendMessageW(loop.Current()->Window(), WM_CLOSE, 0, 0);
  loop.HandlePending();
  EXPECT_FALSE(loop.Running());
}

TEST_F(NativeHostTest, EditsKeepToWhatMayBeTyped) {
  AppContext context = Context();
  WindowLoop loop(context, dialogs_);
  loop.Start();
  Click(loop, kLauncherCameraButton);
  ASSERT_EQ(loop.Current()->Which(), Next::kCameraForm);
  const HostedDialog& form = *loop.Current();
  Pick(form, kTimer1List, 1);  // makes the working-hour edits editable

  const struct {
    ControlId edit;
    std::wstring typed;
    std::wstring kept;
  } cases[] = {
      {kTimer1StartMinuteEdit, L"4a2", L"42"},                                  // digits only
      {kFolderEdit, std::wstring(85, L'x'), std::wstring(80, L'x')},            // 80 characters
      {kFolderEdit, L"D:\\Müller\\相机 ❄", L"D:\\Müller\\相机 ❄"},               // any character
  };
  for (const auto& c : cases) {
    Type(form, c.edit, c.typed);
    EXPECT_EQ(WindowText(Control(form, c.edit)), c.kept) << c.edit;
  }
}

TEST(NativeHostRegistry, LauncherStoresTheLanguagePickedInTheRegistry) {
  const std::string scratch = "Software\\QuelmoTests\\" + std::to_string(GetCurrentProcessId()) + "-launcher";
  HKEY root = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &root, nullptr),
            ERROR_SUCCESS);
  {
    // Start-up as the program runs it: the key is made on the first run.
    ProgramSession session(std::make_unique<RegistryPreferenceBackend>(root), 0x0409);
    AppContext& context = session.Context();
    AppState& state = session.State();
    RecordingDialogs dialogs;
    WindowLoop loop(context, dialogs);
    loop.Start();
    const HostedDialog& launcher = *loop.Current();

    HWND list = Control(launcher, kLauncherLanguageList);
    const LRESULT german = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(L"Deutsch"));
    ASSERT_NE(german, CB_ERR);
    Pick(launcher, kLauncherLanguageList, static_cast<int>(german));
    loop.HandlePending();

    DWORD stored = 0;
    DWORD size = sizeof stored;
    ASSERT_EQ(RegGetValueA(root, kPreferenceKeyPath, "language", RRF_RT_REG_DWORD, nullptr, &stored,
                           &size),
              ERROR_SUCCESS);
    EXPECT_EQ(stored, static_cast<DWORD>(kGerman));
    EXPECT_EQ(state.languageIndex, kGerman);
  }
  RegCloseKey(root);
  RegDeleteTreeA(HKEY_CURRENT_USER, scratch.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuelmoTests");
}

// A machine-wide key this user may read but not write, as beneath
// HKEY_LOCAL_MACHINE without administrator rights.
class ReadOnlyMachineKey final : public PreferenceBackend {
 public:
  explicit ReadOnlyMachineKey(HKEY root) : registry_(root) {}
  std::unique_ptr<PreferenceKey> Open() override { return nullptr; }
  std::unique_ptr<PreferenceKey> OpenForReading() override { return registry_.OpenForReading(); }
  bool Create() override { return false; }

 private:
  RegistryPreferenceBackend registry_;
};

std::optional<DWORD> StoredLanguage(HKEY root) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(root, kPreferenceKeyPath, "language", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

TEST(NativeHostRegistry, AUserWhoMayNotWriteTheMachinesKeyKeepsTheirLanguage) {
  const std::string scratch = "Software\\QuelmoTests\\" + std::to_string(GetCurrentProcessId()) + "-fallback";
  HKEY machine = nullptr;
  HKEY user = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratch + "\\machine").c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &machine, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratch + "\\user").c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &user, nullptr),
            ERROR_SUCCESS);
  const DWORD german = kGerman;
  ASSERT_EQ(RegSetKeyValueA(machine, kPreferenceKeyPath, "language", REG_DWORD, &german, sizeof german),
            ERROR_SUCCESS);

  const auto session = [&] {
    return std::make_unique<ProgramSession>(
        std::make_unique<FallbackPreferenceBackend>(std::make_unique<ReadOnlyMachineKey>(machine),
                                                    std::make_unique<RegistryPreferenceBackend>(user)),
        0x0409);
  };
  {
    // A machine set up earlier keeps its language...
    const std::unique_ptr<ProgramSession> first = session();
    EXPECT_EQ(first->State().languageIndex, kGerman);
    RecordingDialogs dialogs;
    WindowLoop loop(first->Context(), dialogs);
    loop.Start();
    HWND list = Control(*loop.Current(), kLauncherLanguageList);
    const LRESULT english = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(L"English"));
    ASSERT_NE(english, CB_ERR);
    Pick(*loop.Current(), kLauncherLanguageList, static_cast<int>(english));
  }
  // ...and the user's pick lands in their own key, which the next run prefers.
  EXPECT_EQ(StoredLanguage(machine), static_cast<DWORD>(kGerman));
  EXPECT_EQ(StoredLanguage(user), static_cast<DWORD>(kEnglish));
  EXPECT_EQ(session()->State().languageIndex, kEnglish);

  RegCloseKey(machine);
  RegCloseKey(user);
  RegDeleteTreeA(HKEY_CURRENT_USER, scratch.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuelmoTests");
}

// Leaves a saved file and the settings it was saved from for the comparison
// with the Linux build's bytes (QUELMO_ROAD_OUT, see scripts/test-windows.sh)
// as <name>.dat and <name>.json; the name starts with the file's kind
// ("mms-auto"). By default it is the saved file's own.
void ExportForComparison(const std::filesystem::path& saved, const std::string& settings_json,
                         std::string name = {}) {
  const char* road = std::getenv("QUELMO_ROAD_OUT");
  if (road == nullptr || *road == '\0') return;
  if (name.empty()) name = saved.stem().string();
  const std::filesystem::path target = std::filesystem::path(Wide(road));
  std::filesystem::create_directories(target);
  std::filesystem::copy_file(saved, target / (name + ".dat"),
                             std::filesystem::copy_options::overwrite_existing);
  std::ofstream(target / (name + ".json")) << settings_json;
}

// The camera form as a user fills it in. Each row names the key the same
// setting has in quelmo-cli's settings file, so that the Linux build can
// write the same file from it (QUELMO_ROAD_OUT, see scripts/test-windows.sh).
struct ListRow {
  ControlId list;
  const char* key;
  int index;
};
struct EditRow {
  ControlId edit;
  const char* key;
  int value;
};

constexpr ListRow kCameraLists[] = {
    {kCameraModeList, "cameraMode", 2},  {kImageSizeList, "imageSize", 1},
    {kVideoSizeList, "videoSize", 1},    {kPictureCountList, "pictureCount", 2},
    {kVideoLengthList, "videoLength", 2}, {kTimeStampList, "timeStamp", 1},
    {kPirIntervalList, "pirInterval", 3}, {kSenseLevelList, "senseLevel", 2},
    {kBeepList, "beep", 0},              {kTimer1List, "timer1Enabled", 1},
    {kTimeLapseList, "timeLapse", 0},    {kSerialList, "serialEnabled", 1},
    {kSdCycleList, "sdCycle", 1},        {kIrLightList, "irLight", 1},
    {kSendModeList, "sendMode", 2},
};
constexpr EditRow kCameraEdits[] = {
    {kTimer1StartHourEdit, "timer1StartHour", 6},  {kTimer1StartMinuteEdit, "timer1StartMinute", 30},
    {kTimer1StopHourEdit, "timer1StopHour", 20},   {kTimer1StopMinuteEdit, "timer1StopMinute", 15},
    {kTimeLapseHoursEdit, "timeLapseHours", 1},    {kTimeLapseMinutesEdit, "timeLapseMinutes", 2},
    {kTimeLapseSecondsEdit, "timeLapseSeconds", 3},
};
constexpr ControlId kSerialChars[] = {kSerialChar1List, kSerialChar2List, kSerialChar3List,
                                      kSerialChar4List};
constexpr int kSerialCharPicks[] = {10, 0, 35, 9};  // A 0 Z 9

std::string RoadSettingsJson(const AppState& state) {
  std::string json = "{";
  for (const ListRow& row : kCameraLists) json += "\"" + std::string(row.key) + "\": " + std::to_string(row.index) + ", ";
  for (const EditRow& row : kCameraEdits) json += "\"" + std::string(row.key) + "\": " + std::to_string(row.value) + ", ";
  json += "\"serialChars\": [";
  for (std::size_t i = 0; i < std::size(kSerialCharPicks); ++i) {
    json += (i > 0 ? ", " : "") + std::to_string(kSerialCharPicks[i]);
  }
  json += "], \"clock\": \"2024-02-29T23:59:58\", \"cameraLanguage\": " +
          std::to_string(state.cameraLanguage()) + ", \"tvMode\": " + std::to_string(state.tvMode) + "}\n";
  return json;
}

TEST_F(NativeHostTest, CameraFormWritesWhatItsControlsSay) {
  state_.languageIndex = kGerman;
  state_.tvMode = 1;
  AppContext context = Context();
  WindowLoop loop(context, dialogs_);
  loop.Start();
  Click(loop, kLauncherCameraButton);
  ASSERT_EQ(loop.Current()->Which(), Next::kCameraForm);
  const HostedDialog& form = *loop.Current();

  for (const ListRow& row : kCameraLists) Pick(form, row.list, row.index);
  for (std::size_t i = 0; i < std::size(kSerialChars); ++i) Pick(form, kSerialChars[i], kSerialCharPicks[i]);
  for (const EditRow& row : kCameraEdits) Type(form, row.edit, std::to_wstring(row.value));
  const std::filesystem::path out = folder_.path() / "card";
  std::filesystem::create_directories(out);
  dialogs_.folderAnswer = PathToUtf8(out);
  Click(loop, kSelectFolderButton);
  EXPECT_EQ(Utf8(WindowText(Control(form, kFolderEdit))), PathToUtf8(out));
  Press(loop, VK_RETURN);  // Save is the default button

  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::kApp);
  EXPECT_NE(dialogs_.messages[0].text.find("camera.dat"), std::string::npos) << dialogs_.messages[0].text;
  EXPECT_EQ(loop.Current()->Which(), Next::kCameraForm);  // a save leaves the form open

  // Record 0 as the rows above fill it, byte by byte; timer 2 stays off.
  const std::vector<std::uint8_t> fields = {
      2, 1, 1, 2, 2, 1, 128 + 3, 2,  // mode, sizes, count, length, stamp, PIR 3 s, sense
      1, 0, 0,                       // timer 1 on, beep off, time lapse on
      1, 2, 3,                       // time lapse 1:02:03
      14, 2, 29, 23, 59, 58,         // the clock: 2024-02-29 23:59:58
      6, 30, 20, 15,                 // timer 1 06:30 to 20:15
      1, 10, 0, 35, 9,               // serial stamp "A0Z9"
      kGerman, 1,                    // camera language, TV mode
      0, 0, 0, 0, 0,                 // timer 2
      1, 1, 2};                      // SD cycle, IR light, send mode
  EXPECT_EQ(ReadBytes(out / "camera.dat"), testing::ReferenceCameraFile(fields));

  ExportForComparison(out / "camera.dat", RoadSettingsJson(state_));
}

TEST_F(NativeHostTest, SmsFormWritesWhatItsControlsSay) {
  AppContext context = Context();
  WindowLoop loop(context, dialogs_);
  loop.Start();
  Click(loop, kLauncherSmsButton);
  ASSERT_EQ(loop.Current()->Which(), Next::kSmsForm);
  const HostedDialog& form = *loop.Current();

  // Numbers 2 and 3 open one after the other, as the one before is whole.
  const auto read_only = [&](ControlId id) {
    return (GetWindowLongPtrW(Control(form, id), GWL_STYLE) & ES_READONLY) != 0;
  };
  EXPECT_TRUE(read_only(kSmsPhone2Edit));
  Type(form, kSmsPhone1Edit, L"+4915112345678");
  EXPECT_FALSE(read_only(kSmsPhone2Edit));
  Type(form, kSmsPhone2Edit, L"01701234567");
  Type(form, kSmsPhone3Edit, L"12345");
  Type(form, kSmsDailyLimitEdit, L"12");
  const LRESULT two_hours = SendMessageW(Control(form, kSmsControlList), CB_FINDSTRINGEXACT,
                                         static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"2 Hour"));
  ASSERT_NE(two_hours, CB_ERR);
  Pick(form, kSmsControlList, static_cast<int>(two_hours));

  const std::filesystem::path out = folder_.path() / "sms-card";
  std::filesystem::create_directories(out);
  dialogs_.folderAnswer = PathToUtf8(out);
  Click(loop, kSmsSelectFolderButton);
  Click(loop, kIdOk);
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text.rfind("Save SMS configuration file", 0), 0u)
      << dialogs_.messages[0].text;
  // "2 Hour" is the schedule's entry 4; the limit 12 is stored as tens and units.
  EXPECT_EQ(ReadBytes(out / "sms.dat"),
            testing::ReferenceSmsFile(4, 12, kEnglish, "+4915112345678", "01701234567", "12345"));
  EXPECT_FALSE(std::filesystem::exists(out / "setup.dat"));
  Click(loop, kIdCancel);
  EXPECT_EQ(loop.Current()->Which(), Next::kLauncher);

  ExportForComparison(out / "sms.dat",
                      "{\"phone1\": \"+4915112345678\", \"phone2\": \"01701234567\", "
                      "\"phone3\": \"12345\", \"picturesPerDay\": 12, \"smsControl\": \"2 Hour\", "
                      "\"cameraLanguage\": " + std::to_string(state_.cameraLanguage()) + "}\n");
}

// The index of a list's entry, by its text.
int EntryOf(const HostedDialog& dialog, ControlId list, const std::wstring& entry) {
  const LRESULT found = SendMessageW(Control(dialog, list), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(entry.c_str()));
  EXPECT_NE(found, CB_ERR) << "list " << list << " has no entry " << Utf8(entry);
  return found == CB_ERR ? 0 : static_cast<int>(found);
}

// An edit as a user fills it in, with the key of the same setting in
// quelmo-cli's settings file.
struct TypedRow {
  ControlId edit;
  const char* key;
  std::string text;  // a number for "picturesPerDay", else a JSON string
};

void TypeAll(const HostedDialog& form, const std::vector<TypedRow>& rows) {
  for (const TypedRow& row : rows) Type(form, row.edit, Wide(row.text));
}

// quelmo-cli's settings for what was typed, with the given fields before.
std::string SettingsJson(const std::string& head, const std::vector<TypedRow>& rows) {
  std::string json = "{" + head;
  for (const TypedRow& row : rows) {
    const bool number = std::string_view(row.key) == "picturesPerDay";
    json += ", \"" + std::string(row.key) + "\": " + (number ? row.text : "\"" + row.text + "\"");
  }
  return json + "}\n";
}

// Saves into a folder of its own and returns the file written, after the
// form's confirmation (`confirmation`, then the path).
std::filesystem::path SaveInto(WindowLoop& loop, RecordingDialogs& dialogs,
                               const std::filesystem::path& out, ControlId folder_button,
                               ControlId save_button, const std::string& confirmation,
                               const char* file_name) {
  std::filesystem::create_directories(out);
  dialogs.folderAnswer = PathToUtf8(out);
  Click(loop, folder_button);
  dialogs.messages.clear();
  Click(loop, save_button);
  const std::filesystem::path written = out / file_name;
  EXPECT_EQ(dialogs.messages.size(), 1u);
  if (!dialogs.messages.empty()) {
    EXPECT_EQ(dialogs.messages.back().text, confirmation + "\n" + PathToUtf8(written));
  }
  return written;
}

TEST_F(NativeHostTest, MmsFormWritesWhatItsControlsSay) {
  AppContext context = Context();
  WindowLoop loop(context, dialogs_);
  loop.Start();
  Click(loop, kLauncherMmsButton);
  ASSERT_EQ(loop.Current()->Which(), Next::kMmsForm);
  const HostedDialog& form = *loop.Current();
  const std::string tail = ", \"cameraLanguage\": " + std::to_string(state_.cameraLanguage()) +
                           ", \"tvMode\": " + std::to_string(state_.tvMode);
  const char* const confirmation = "Save All Parameters To MMS Setting File";

  // Auto: a country's second operator; the parameters are its preset's.
  const int country = EntryOf(form, kMmsCountryList, L"Bulgaria");
  Pick(form, kMmsCountryList, country);
  Pick(form, kMmsOperatorList, 1);
  EXPECT_EQ(WindowText(Control(form, kMmsApnEdit)), L"mms-gprs.mtel.bg");
  const std::vector<TypedRow> recipients = {{kMmsPhoneEdit, "phone", "+359888123456"},
                                            {kMmsEmailEdit, "receiveEmail", "kamera@example.de"},
                                            {kMmsSecondEdit, "phoneOrEmail2", "+8613800138000"},
                                            {kMmsPicturesEdit, "picturesPerDay", "20"}};
  TypeAll(form, recipients);
  Pick(form, kMmsSmsControlList, EntryOf(form, kMmsSmsControlList, L"2 Hour"));
  const std::filesystem::path automatic = SaveInto(loop, dialogs_, folder_.path() / "auto",
                                                   kMmsFolderButton, kMmsSaveButton, confirmation, "mms.dat");
  EXPECT_EQ(std::filesystem::file_size(automatic), 780u);
  ExportForComparison(automatic,
                      SettingsJson("\"mode\": \"Auto\", \"country\": " + std::to_string(country) +
                                       ", \"operator\": 1, \"smsControl\": \"2 Hour\"" + tail,
                                   recipients),
                      "mms-auto");

  // Customer: every parameter typed.
  Pick(form, kMmsModeList, EntryOf(form, kMmsModeList, L"Customer"));
  EXPECT_EQ(IsWindowEnabled(Control(form, kMmsCountryList)), FALSE);
  std::vector<TypedRow> typed = {{kMmsUrlEdit, "url", "http://mms.example.com/mms"},
                                 {kMmsApnEdit, "apn", "mms.example"},
                                 {kMmsGatewayEdit, "gateway", "10.0.0.1"},
                                 {kMmsPortEdit, "port", "8080"},
                                 {kMmsAccountEdit, "account", "用户"},
                                 {kMmsPasswordEdit, "password", "秘密pw"}};
  typed.insert(typed.end(), recipients.begin(), recipients.end());
  TypeAll(form, typed);
  const std::filesystem::path customer = SaveInto(loop, dialogs_, folder_.path() / "customer",
                                                  kMmsFolderButton, kMmsSaveButton, confirmation, "mms.dat");
  EXPECT_EQ(std::filesystem::file_size(customer), 780u);
  ExportForComparison(customer,
                      SettingsJson("\"mode\": \"Customer\", \"smsControl\": \"2 Hour\"" + tail, typed));
}

TEST_F(NativeHostTest, SmtpFormWritesWhatItsControlsSay) {
  AppContext context = Context();
  WindowLoop loop(context, dialogs_);
  loop.Start();
  Click(loop, kLauncherSmtpButton);
  ASSERT_EQ(loop.Current()->Which(), Next::kSmtpForm);
  const HostedDialog& form = *loop.Current();
  const std::string tail = ", \"cameraLanguage\": " + std::to_string(state_.cameraLanguage());
  const char* const confirmation = "Save All Parameters To GPRS Setting File";
  const std::vector<TypedRow> sender = {{kSmtpServerEdit, "smtpServer", "smtp.example.com"},
                                        {kSmtpPortEdit, "smtpPort", "587"},
                                        {kSenderEmailEdit, "senderEmail", "cam@example.com"},
                                        {kSenderPasswordEdit, "senderPassword", "发件"},
                                        {kRecipientEdit, "recipientEmail", "me@example.com"},
                                        {kSmtpDailyLimitEdit, "picturesPerDay", "7"}};

  // Auto: a country's fourth operator, SMS control left off.
  const int country = EntryOf(form, kCountryList, L"Deutschland");
  Pick(form, kCountryList, country);
  Pick(form, kOperatorList, 3);
  EXPECT_EQ(WindowText(Control(form, kApnEdit)), L"internet");
  TypeAll(form, sender);
  const std::filesystem::path automatic =
      SaveInto(loop, dialogs_, folder_.path() / "auto", kSmtpSelectFolderButton, kSmtpSaveButton,
               confirmation, "gprs.dat");
  EXPECT_EQ(std::filesystem::file_size(automatic), 780u);
  ExportForComparison(automatic,
                      SettingsJson("\"apnMode\": \"Auto\", \"country\": " + std::to_string(country) +
                                       ", \"operator\": 3, \"smsControl\": \"Off\"" + tail,
                                   sender),
                      "gprs-auto");

  // Customer: the access point typed, and SMS control from a phone.
  Pick(form, kApnModeList, EntryOf(form, kApnModeList, L"Customer"));
  std::vector<TypedRow> typed = {{kApnEdit, "apn", "internet.example"},
                                 {kGprsAccountEdit, "gprsAccount", "帐号"},
                                 {kGprsPasswordEdit, "gprsPassword", "pw€"},
                                 {kSmsPhoneEdit, "smsControlPhone", "+4915112345678"}};
  typed.insert(typed.end(), sender.begin(), sender.end());
  Pick(form, kSmtpSmsControlList, EntryOf(form, kSmtpSmsControlList, L"30 Min"));
  TypeAll(form, typed);
  const std::filesystem::path customer =
      SaveInto(loop, dialogs_, folder_.path() / "customer", kSmtpSelectFolderButton, kSmtpSaveButton,
               confirmation, "gprs.dat");
  EXPECT_EQ(std::filesystem::file_size(customer), 780u);
  ExportForComparison(customer,
                      SettingsJson("\"apnMode\": \"Customer\", \"smsControl\": \"30 Min\"" + tail, typed));
  Click(loop, kSmtpExitButton);
  EXPECT_EQ(loop.Current()->Which(), Next::kLauncher);
}

}  // namespace
}  // namespace quelmo
