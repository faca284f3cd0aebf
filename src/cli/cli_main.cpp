#include "cli/cli_main.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <optional>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/cards_command.h"
#include "cli/check_command.h"
#include "cli/exit_codes.h"
#include "cli/export_command.h"
#include "cli/import_command.h"
#include "cli/operators_command.h"
#include "cli/presets_command.h"
#include "cli/show_command.h"
#include "cli/test_email_command.h"
#include "cli/write_command.h"
#include "operators/operator_database_loader.h"
#include "platform/file_system.h"

#ifndef QUELMO_VERSION
#define QUELMO_VERSION "unknown"
#endif

namespace quelmo {
namespace {

// The KIND names of the registry, or of the kinds that `has` something.
std::vector<std::string> KindNames(bool (*has)(FileKind) = nullptr) {
  std::vector<std::string> names;
  for (FileKind kind : AllFileKinds()) {
    if (has == nullptr || has(kind)) names.emplace_back(kind->name);
  }
  return names;
}

std::string KindNamesText(bool (*has)(FileKind) = nullptr) {
  const std::vector<std::string> names = KindNames(has);
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
  }
  return text;
}

bool HasPresets(FileKind kind) { return kind->presets != nullptr; }

CLI::IsMember KindChoice(bool (*has)(FileKind) = nullptr) {
  return CLI::IsMember(KindNames(has), CLI::ignore_case);
}

struct Commands {
  WriteOptions write;
  ShowOptions show;
  CheckOptions check;
  ExportOptions exportProfile;
  ImportOptions importProfile;
  PresetsOptions presets;
  OperatorsOptions operators;
  TestEmailOptions testEmail;
  // Options whose presence matters, not only their value.
  CLI::Option* cameraLanguage = nullptr;
  CLI::Option* tvMode = nullptr;
  int cameraLanguageValue = 0;
  int tvModeValue = 0;
  std::string writeKind;  // a KIND of the registry, in its own spelling once parsed
  std::string showKind;
  std::string checkKind;
};

CLI::App* AddWrite(CLI::App& app, Commands& commands) {
  auto* write = app.add_subcommand("write", "Write a setting file (camera.dat, mms.dat, gprs.dat or "
                                            "sms.dat) into a folder");
  write->footer(
      "The settings start as a freshly opened form holds them (the camera clock is the time now); "
      "the JSON file's keys replace them. The form's save checks run before anything is written.\n"
      "Exit status: 0 written; 1 a save check failed (its message is the last line on stderr); "
      "2 bad usage or settings; 3 the file could not be written.");
  write->add_option("KIND", commands.writeKind, KindNamesText())
      ->required()
      ->transform(KindChoice());
  write->add_option("--out", commands.write.outFolder,
                    "Folder to write the file into; \"card\" for the one card mounted")
      ->required();
  write->add_option_function<std::string>(
      "--settings", [&commands](const std::string& path) { commands.write.settingsPath = path; },
      "JSON file of settings (or the output of show --json --reveal)");
  write->add_flag("--default", commands.write.writeDefault,
                  "Write the default camera file (camera only)");
  write->add_option_function<std::string>(
      "--operator", [&commands](const std::string& choice) { commands.write.operatorChoice = choice; },
      "mms, gprs: Customer mode with the values of an operator of the operator database, "
      "CC:NAME (\"gb:giffgaff\"; NAME as the database spells it, letter case aside); they "
      "replace the settings' own");
  write->add_option("--language", commands.write.language,
                    "Language of the check messages: 1 Chinese, 2 English, 3 German, 4 Finnish, "
                    "5 Italian, 6 French, 7 Hungarian, 8 Slovenian, 9 Czech, 10 Japanese, "
                    "11 Lithuanian (default 2)")
      ->check(CLI::Range(1, 11));
  commands.cameraLanguage =
      write->add_option("--camera-language", commands.cameraLanguageValue,
                        "Language the camera speaks, 1..11 (default: the settings' "
                        "cameraLanguage, else 2)")
          ->check(CLI::Range(1, 11));
  commands.tvMode = write->add_option("--tv-mode", commands.tvModeValue,
                                      "TV mode stored in camera.dat and mms.dat, 0..255 "
                                      "(default: the settings' tvMode, else 0)")
                        ->check(CLI::Range(0, 255));
  return write;
}

CLI::App* AddShow(CLI::App& app, Commands& commands) {
  auto* show = app.add_subcommand("show", "Print the settings and the integrity of a setting file");
  show->footer("The kind is told by the file name, else by its size and content. "
               "Exit status: 0 report printed; 2 the file could not be read or recognised.");
  show->add_option("FILE", commands.show.path, "Setting file")->required();
  show->add_flag("--json", commands.show.json, "Print JSON; its settings are accepted by write");
  show->add_flag("--reveal", commands.show.reveal, "Show passwords instead of hiding them");
  show->add_option("--kind", commands.showKind, "Read the file as " + KindNamesText())
      ->transform(KindChoice());
  return show;
}

CLI::App* AddCheck(CLI::App& app, Commands& commands) {
  auto* check = app.add_subcommand("check", "Tell whether setting files are intact");
  check->footer(
      "One line per file; unusual values are warnings. Exit status: 0 every file intact (size, "
      "line ends and check value sound); 1 otherwise.");
  check->add_option("FILE", commands.check.paths, "Setting files")->required();
  check->add_option("--kind", commands.checkKind, "Read the files as " + KindNamesText())
      ->transform(KindChoice());
  return check;
}

CLI::App* AddExport(CLI::App& app, Commands& commands) {
  auto* command = app.add_subcommand("export", "Print the setting files of a folder as one profile");
  command->footer(
      "The profile is JSON: {\"camera\": {...}, \"mms\": {...}, \"gprs\": {...}, \"sms\": {...}}, "
      "each kind's settings as show --json gives them; a kind without its file is left out. "
      "Passwords are null unless --reveal is given, and import refuses a kind whose password is "
      "null.\n"
      "Exit status: 0 exported; 1 a file is damaged or unreadable (reported on stderr; what could "
      "be read is still exported), or mms.dat or gprs.dat holds the other one's settings (not "
      "exported); 2 no setting file in the folder, or no such folder.");
  command->add_option("DIR", commands.exportProfile.folder,
                      "Folder holding the setting files; \"card\" for the one card mounted")
      ->required();
  command->add_flag("--reveal", commands.exportProfile.reveal,
                    "Include the passwords, as import needs them");
  return command;
}

CLI::App* AddImport(CLI::App& app, Commands& commands) {
  auto* command = app.add_subcommand("import", "Write every setting file of a profile into a folder");
  command->footer(
      "Every kind in the profile passes the form's save checks before anything is written; then "
      "each file is written safely and the folder is synced once.\n"
      "Exit status: 0 written; 1 a kind failed its save check (the form's message is the last "
      "line on stderr; nothing is written); 2 bad usage or profile (nothing is written); 3 a "
      "write failed (the message says which files were written and which were not).");
  command->add_option("PROFILE", commands.importProfile.profilePath,
                      "Profile made by export --reveal")
      ->required();
  command->add_option("--out", commands.importProfile.outFolder,
                      "Folder to write the files into; \"card\" for the one card mounted")
      ->required();
  command->add_option("--language", commands.importProfile.language,
                      "Language of the check messages: 1 Chinese, 2 English, 3 German, 4 Finnish, "
                    "5 Italian, 6 French, 7 Hungarian, 8 Slovenian, 9 Czech, 10 Japanese, "
                    "11 Lithuanian (default 2)")
      ->check(CLI::Range(1, 11));
  command->add_flag("--clock-now", commands.importProfile.clockNow,
                    "Set the camera clock to the time of the import instead of the profile's");
  return command;
}

CLI::App* AddCards(CLI::App& app) {
  auto* command = app.add_subcommand(
      "cards", "List the removable volumes mounted and the setting files each holds");
  command->footer("Exit status: 0 listed; 1 a setting file on a card is not intact; 2 the "
                  "volumes cannot be listed.");
  return command;
}

CLI::App* AddPresets(CLI::App& app, Commands& commands) {
  auto* presets = app.add_subcommand("presets", "List the built-in operator presets that Auto mode "
                                                "writes");
  presets->footer("Exit status: 0 listed; 2 bad usage.");
  presets->add_option("KIND", commands.presets.kind, KindNamesText(&HasPresets))
      ->required()
      ->transform(KindChoice(&HasPresets));
  presets->add_option_function<int>(
      "--country", [&commands](int country) { commands.presets.country = country; },
      "Only this country (its number in the country list)");
  presets->add_flag("--json", commands.presets.json,
                    "Print JSON: an array of countries, each with its offered operators");
  return presets;
}

CLI::App* AddOperators(CLI::App& app, Commands& commands) {
  auto* command = app.add_subcommand(
      "operators", "List the providers of the public operator database (serviceproviders.xml) "
                   "with their internet and MMS settings");
  command->footer("The database is read from QUELMO_OPERATOR_DATABASE when it is set, else from " +
                  PathToUtf8(OperatorDatabasePath()) +
                  ".\nExit status: 0 listed; 2 bad usage, a country the database does not have, "
                  "or the database missing or unreadable.");
  command->add_option_function<std::string>(
      "--country", [&commands](const std::string& code) { commands.operators.country = code; },
      "Only this country: the database's two-letter code (gb, de, us, ...)");
  command->add_option("--search", commands.operators.search,
                      "Only providers whose name, another name or network id (23410 or 234-10) "
                      "holds this text, letter case aside (at most 64 characters)");
  command->add_flag("--json", commands.operators.json,
                    "Print JSON: an array of providers, each with its internet and MMS settings");
  return command;
}

CLI::App* AddTestEmail(CLI::App& app, Commands& commands) {
  auto* command = app.add_subcommand(
      "test-email", "Check the e-mail settings of a gprs.dat against their mail server");
  command->footer(
      "Does what the camera will do: finds the server, connects, secures the line (TLS from the "
      "start on port 465, else STARTTLS), logs in with the sender's user name and password, and "
      "names the sender and the recipient; then stops (a dry run: nothing is sent) or, with "
      "--send, sends one short test message with a small picture to the settings' own "
      "recipient. Each step is printed with its verdict. It proves the settings from this PC's "
      "network; the camera sends through its operator's network, which may block what this one "
      "allows. The password is never printed.\n"
      "Exit status: 0 the check passed (ready to send, or sent); 2 bad usage, a file that is no "
      "sound gprs.dat, incomplete settings, or a --ca-file that is no file of certificates; 5 a "
      "step failed (its verdict says which and what to do); 6 this build, or this system (no libcurl), has no e-mail test; 7 "
      "no step failed, but the server asked for no password, so it was not checked.");
  command->add_option_function<std::string>(
      "FILE", [&commands](const std::string& path) { commands.testEmail.path = path; },
      "A gprs.dat");
  command->add_option_function<std::string>(
      "--settings",
      [&commands](const std::string& path) { commands.testEmail.settingsPath = path; },
      "JSON settings instead of a file, as write takes them (senderPassword included)");
  command->add_flag("--send", commands.testEmail.send,
                    "Send the test message to the recipient after the check passed");
  command->add_option("--ca-file", commands.testEmail.caFile,
                      "Trust the certificate authorities of this PEM file instead of the system's");
  command->add_option("--timeout", commands.testEmail.timeoutSeconds,
                      "Seconds the whole check may take (default 30)")
      ->check(CLI::Range(1, 600));
  command->add_flag("--allow-plain", commands.testEmail.allowPlain,
                    "Go on when the server offers no encryption (the password then crosses the "
                    "network in the clear)");
  command->add_flag("--implicit-tls", commands.testEmail.implicitTls,
                    "TLS from the start whatever the port, as on 465 (for servers that use it on "
                    "another port)");
  command->add_flag("--json", commands.testEmail.json, "Print JSON: each step with its verdict");
  command->add_option("--language", commands.testEmail.language,
                      "Language of the verdicts and the test message, as for write (default 2)")
      ->check(CLI::Range(1, 11));
  return command;
}

int Dispatch(std::vector<std::string> args, std::ostream& out, std::ostream& err,
             const CliEnvironment& environment) {
  CLI::App app{"quelmo-cli: write, show and check the setting files of the Quelmo K300X camera, "
               "test their e-mail settings, "
               "and set up many cards alike",
               "quelmo-cli"};
  app.set_version_flag("--version", QUELMO_VERSION);
  app.require_subcommand(1);
  app.footer("quelmo-cli speaks English; --language chooses the language of the messages that "
             "come from the configurator's catalogues (checks, e-mail test).\n"
             "Exit status 4, for every command: standard output could not be written (a full "
             "disk, or output closed).");
  Commands commands;
  // A run that names its command first, as scripts do, sets up that command
  // alone: setting up all of them is most of what a short command's start
  // costs. Anything else (--help, --version, a misspelt name) gets them all,
  // for the help and the messages.
  static constexpr std::string_view kCommandNames[] = {
      "write", "show", "check", "export", "import", "cards", "presets", "operators", "test-email"};
  const std::string_view first = args.empty() ? std::string_view() : std::string_view(args.front());
  const bool named = std::find(std::begin(kCommandNames), std::end(kCommandNames), first) !=
                     std::end(kCommandNames);
  const auto wanted = [named, first](std::string_view name) { return !named || first == name; };
  auto* write = wanted("write") ? AddWrite(app, commands) : nullptr;
  auto* show = wanted("show") ? AddShow(app, commands) : nullptr;
  auto* check = wanted("check") ? AddCheck(app, commands) : nullptr;
  auto* export_profile = wanted("export") ? AddExport(app, commands) : nullptr;
  auto* import_profile = wanted("import") ? AddImport(app, commands) : nullptr;
  auto* cards = wanted("cards") ? AddCards(app) : nullptr;
  auto* presets = wanted("presets") ? AddPresets(app, commands) : nullptr;
  auto* operators = wanted("operators") ? AddOperators(app, commands) : nullptr;
  auto* test_email = wanted("test-email") ? AddTestEmail(app, commands) : nullptr;
  const auto ran = [](const CLI::App* command) { return command != nullptr && command->parsed(); };

  std::reverse(args.begin(), args.end());  // CLI11 takes the arguments last first
  try {
    app.parse(args);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error, out, err);
    return status == 0 ? kExitOk : kExitBadInput;
  }

  if (ran(write)) {
    commands.write.kind = FindFileKind(commands.writeKind);
    if (commands.cameraLanguage->count() > 0) {
      commands.write.overrides.cameraLanguage = commands.cameraLanguageValue;
    }
    if (commands.tvMode->count() > 0) commands.write.overrides.tvMode = commands.tvModeValue;
    return RunWrite(commands.write, environment, out, err);
  }
  if (ran(show)) {
    commands.show.kind = FindFileKind(commands.showKind);
    return RunShow(commands.show, environment, out, err);
  }
  if (ran(presets)) return RunPresets(commands.presets, out, err);
  if (ran(operators)) {
    return RunOperators(commands.operators, environment.operatorDatabase(), out, err);
  }
  if (ran(check)) {
    commands.check.kind = FindFileKind(commands.checkKind);
    return RunCheck(commands.check, environment, out);
  }
  if (ran(export_profile)) return RunExport(commands.exportProfile, environment, out, err);
  if (ran(import_profile)) return RunImport(commands.importProfile, environment, out, err);
  if (ran(cards)) return RunCards(environment, out, err);
  if (ran(test_email)) return RunTestEmail(commands.testEmail, environment, out, err);
  return kExitBadInput;
}

int RunGuarded(std::vector<std::string> args, std::ostream& out, std::ostream& err,
               const CliEnvironment& environment) {
  // Nothing may escape as an exception: a fault the commands did not foresee
  // still ends with a message and a failure status.
  try {
    return Dispatch(std::move(args), out, err, environment);
  } catch (const std::exception& error) {
    err << "quelmo-cli: unexpected error: " << error.what() << "\n";
  } catch (...) {
    err << "quelmo-cli: unexpected error\n";
  }
  return kExitBadInput;
}

// What a command prints is its result (a profile redirected into a file, a
// report a script reads): one that did not arrive whole is a failure, or a
// full disk would leave an empty profile behind exit status 0. A command
// that failed already keeps its own status.
int FinishOutput(int status, std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return status;
  err << "quelmo-cli: standard output could not be written (a full disk, or output closed); "
         "what it holds is incomplete\n";
  return status == kExitOk ? kExitOutputFailed : status;
}

}  // namespace

int RunCli(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  return RunCli(std::move(args), out, err, SystemCliEnvironment());
}

int RunCli(std::vector<std::string> args, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment) {
  return FinishOutput(RunGuarded(std::move(args), out, err, environment), out, err);
}

}  // namespace quelmo
