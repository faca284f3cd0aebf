#include "mail_check/mail_servers.h"

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

namespace quelmo::testing {

MailServers* MailServers::running_ = nullptr;

namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

void MailServers::ReadPorts() {
  const auto ports = nlohmann::json::parse(ReadAll(folder() / "ports.json"));
  for (auto item = ports.begin(); item != ports.end(); ++item) {
    ports_[item.key()] = item.value().get<int>();
  }
  running_ = this;
}

std::string MailServers::Host() {
#ifdef _WIN32
  // Windows' libcurl (Schannel) matches only the DNS names of a
  // certificate, so the servers are reached by name there.
  return "localhost";
#else
  return "127.0.0.1";
#endif
}

int MailServers::Port(const std::string& name) { return running_->ports_.at(name); }

std::filesystem::path MailServers::TrustedCa() { return running_->folder() / "ca.pem"; }

std::vector<ReceivedMail> MailServers::Received() {
  std::vector<ReceivedMail> mails;
  for (const auto& entry : std::filesystem::directory_iterator(running_->folder() / "mail")) {
    if (entry.path().extension() != ".json") continue;
    const auto record = nlohmann::json::parse(ReadAll(entry.path()));
    mails.push_back({record.at("mail_from").get<std::string>(),
                     record.at("rcpt_tos").get<std::vector<std::string>>(),
                     record.at("data").get<std::string>()});
  }
  return mails;
}

}  // namespace quelmo::testing
